#include "pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <algorithm>

namespace {

// The words drawn in pictures, for the translation files; a picture marks such a text with class="tr".
[[maybe_unused]] const char* const kPictureTexts[] = {
    QT_TRANSLATE_NOOP("Pictures", "Games"),
    QT_TRANSLATE_NOOP("Pictures", "Exit"),
    // Words on the beams and clouds of the games picture: any common words of the language.
    QT_TRANSLATE_NOOP("Pictures", "keyboard"),
    QT_TRANSLATE_NOOP("Pictures", "letter"),
    QT_TRANSLATE_NOOP("Pictures", "space"),
    QT_TRANSLATE_NOOP("Pictures", "storm"),
    QT_TRANSLATE_NOOP("Pictures", "sunny"),
};

} // namespace

QString PicturePath(const QString& file)
{
    return QStringLiteral(":/pictures/") + file;
}

QByteArray PictureSource(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString svg = QString::fromUtf8(file.readAll());
    static const QRegularExpression marked(
        QStringLiteral(R"((<text\b[^>]*\bclass="tr"[^>]*>)([^<]*)(</text>))"));
    static const QRegularExpression typedLetters(QStringLiteral(R"re(\bdata-typed="(\d+)")re"));
    QString out;
    qsizetype at = 0;
    for (auto it = marked.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QByteArray source = m.captured(2).toUtf8();
        out += QStringView(svg).mid(at, m.capturedStart(2) - at);
        const QString text = QCoreApplication::translate("Pictures", source.constData());
        // A word being typed (data-typed="N") shows its first N letters in the typed colour.
        const QRegularExpressionMatch typed = typedLetters.match(m.captured(1));
        const qsizetype n =
            typed.hasMatch() ? std::min<qsizetype>(typed.captured(1).toInt(), text.size()) : 0;
        if (n > 0)
            out += QStringLiteral("<tspan fill=\"#ff0000\">") + text.left(n).toHtmlEscaped() +
                   QStringLiteral("</tspan>");
        out += text.mid(n).toHtmlEscaped();
        at = m.capturedEnd(2);
    }
    out += QStringView(svg).mid(at);
    return out.toUtf8();
}

QImage RenderPictureResource(const QString& resource, QSize size, qreal ratio)
{
    if (size.isEmpty() || !(ratio > 0))
        return {};
    QSvgRenderer renderer(PictureSource(resource));
    if (!renderer.isValid())
        return {};
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage RenderPicture(const QString& file, QSize size, qreal ratio)
{
    return RenderPictureResource(PicturePath(file), size, ratio);
}

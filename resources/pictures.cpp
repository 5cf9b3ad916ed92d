#include "pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace {

// The words drawn in pictures, for the translation files; a picture marks such a text with class="tr".
[[maybe_unused]] const char* const kPictureTexts[] = {
    QT_TRANSLATE_NOOP("Pictures", "Games"),
    QT_TRANSLATE_NOOP("Pictures", "Exit"),
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
    QString out;
    qsizetype at = 0;
    for (auto it = marked.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QByteArray source = m.captured(2).toUtf8();
        out += QStringView(svg).mid(at, m.capturedStart(2) - at);
        out += QCoreApplication::translate("Pictures", source.constData()).toHtmlEscaped();
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

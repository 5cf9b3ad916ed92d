#include "text_fit.h"

#include "controls.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <cmath>
#include <limits>

namespace {

QFont Scaled(QFont font, int scale)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() * scale);
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

// The text as drawn: "&" marks an accelerator and "&&" stands for "&".
QString Shown(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

std::string Where(const std::string& formName, const QWidget* w)
{
    return formName + "/" + w->objectName().toStdString();
}

bool IsTextControl(const QObject* o)
{
    return qobject_cast<const QLabel*>(o) || qobject_cast<const QPushButton*>(o) ||
           qobject_cast<const QComboBox*>(o) || qobject_cast<const QLineEdit*>(o);
}

// Where a label that sizes itself to its text must end: the next text control to its right on its
// line, or its parent's edge (none for a never-shown storage form itself).
double RightLimit(const QLabel* label)
{
    const QWidget* parent = label->parentWidget();
    double limit = parent && !parent->isWindow() ? parent->width() : std::numeric_limits<double>::infinity();
    if (!parent)
        return limit;
    const QRect own = label->geometry();
    for (const QObject* o : parent->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || w == label || w->isHidden() || !IsTextControl(w))
            continue;
        const QRect other = w->geometry();
        if (other.left() > own.left() && other.top() < own.bottom() && own.top() < other.bottom())
            limit = std::min(limit, double(other.left()));
    }
    return limit;
}

void Check(std::vector<TTextMeasure>& measures, const std::string& where, const QString& text, double need,
           double room, bool height = false)
{
    measures.push_back({where, text, need, room, height});
}

void CheckLabel(std::vector<TTextMeasure>& measures, const std::string& where, const QLabel* l, int scale)
{
    const QString text = l->text();
    if (text.isEmpty())
        return;
    const QRect room = l->contentsRect();
    if (l->wordWrap()) {
        const QSizeF size = WrappedSize(l->font(), text, room.width(), int(l->alignment()), scale);
        Check(measures, where, text, size.width(), room.width());
        Check(measures, where, text, size.height(), room.height(), true);
        return;
    }
    const double width = TextWidth(l->font(), text, scale);
    const auto* own = dynamic_cast<const TLabel*>(l);
    if (own && own->AutoSize)
        Check(measures, where, text, l->x() + width, RightLimit(l));
    else
        Check(measures, where, text, width, room.width());
}

void CheckButton(std::vector<TTextMeasure>& measures, const std::string& where, const QPushButton* b,
                 int scale)
{
    if (b->text().isEmpty())
        return;
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    const QSize content(int(std::ceil(TextWidth(b->font(), b->text(), scale))),
                        QFontMetrics(b->font()).height());
    const QSize need = b->style()->sizeFromContents(QStyle::CT_PushButton, &opt, content, b);
    Check(measures, where, b->text(), need.width(), b->width());
}

void CheckCombo(std::vector<TTextMeasure>& measures, const std::string& where, const QComboBox* c, int scale)
{
    for (int i = 0; i < c->count(); ++i) {
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        opt.currentText = c->itemText(i);
        const QSize content(int(std::ceil(TextWidth(c->font(), opt.currentText, scale))),
                            QFontMetrics(c->font()).height());
        const QSize need = c->style()->sizeFromContents(QStyle::CT_ComboBox, &opt, content, c);
        Check(measures, where + "[" + std::to_string(i) + "]", opt.currentText, need.width(), c->width());
    }
}

} // namespace

double TextWidth(const QFont& font, const QString& text, int scale)
{
    return QFontMetricsF(Scaled(font, scale)).horizontalAdvance(Shown(text)) / scale;
}

QSizeF WrappedSize(const QFont& font, const QString& text, double width, int flags, int scale)
{
    const QRectF box(0, 0, width * scale, 1e6);
    const QRectF used =
        QFontMetricsF(Scaled(font, scale)).boundingRect(box, flags | Qt::TextWordWrap, Shown(text));
    return used.size() / scale;
}

std::vector<TTextMeasure> MeasureWidgetTexts(QWidget* root, const std::string& formName, int scale)
{
    std::vector<TTextMeasure> measures;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (const QWidget* w : widgets) {
        if (const auto* l = qobject_cast<const QLabel*>(w))
            CheckLabel(measures, Where(formName, w), l, scale);
        else if (const auto* b = qobject_cast<const QPushButton*>(w))
            CheckButton(measures, Where(formName, w), b, scale);
        else if (const auto* c = qobject_cast<const QComboBox*>(w))
            CheckCombo(measures, Where(formName, w), c, scale);
    }
    return measures;
}

std::vector<TTextMeasure> MeasureBoxText(const std::string& where, const QString& text, const QRectF& box,
                                         const QFont& font, int flags, int scale)
{
    std::vector<TTextMeasure> measures;
    if (text.isEmpty())
        return measures;
    if (flags & Qt::TextWordWrap) {
        const QSizeF size = WrappedSize(font, text, box.width(), flags, scale);
        Check(measures, where, text, size.width(), box.width());
        Check(measures, where, text, size.height(), box.height(), true);
    } else {
        // One line: only its width differs from language to language.
        Check(measures, where, text, TextWidth(font, text, scale), box.width());
    }
    return measures;
}

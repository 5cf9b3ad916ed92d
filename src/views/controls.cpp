#include "controls.h"

#include "code_page.h"
#include "pictures.h"
#include "translation.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QValidator>
#include <map>

TPanel::TPanel(QWidget* parent) : QWidget(parent) {}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Color);
    if (Border) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::LoadPicture(const QString& resource)
{
    resource_ = resource;
    const qreal ratio = devicePixelRatioF();
    const QSize logical = size().isEmpty() ? QSize(1, 1) : size();
    QImage img = RenderPictureResource(resource, logical, ratio);
    if (img.isNull()) {
        img = QImage(logical * ratio, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        img.setDevicePixelRatio(ratio);
    }
    picture_ = img;
    update();
}

void TImage::Assign(const TImage& other)
{
    picture_ = other.picture_;
    resource_ = other.resource_;
    update();
}

void TImage::ClearPicture()
{
    picture_ = QImage();
    resource_.clear();
    update();
}

QImage& TImage::Canvas()
{
    if (picture_.isNull() || picture_.deviceIndependentSize().toSize() != size()) {
        const qreal ratio = devicePixelRatioF();
        QImage img(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(ratio);
        img.fill(Qt::white);
        if (!picture_.isNull()) {
            QPainter p(&img);
            p.drawImage(QPointF(0, 0), picture_);
        }
        picture_ = img;
    }
    return picture_;
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    if (Stretch)
        p.drawImage(rect(), picture_);
    else
        p.drawImage(QPointF(0, 0), picture_);
}

void TImage::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && OnClick)
        OnClick(this);
}

void TLabel::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && OnClick)
        OnClick(this);
    else
        QLabel::mouseReleaseEvent(e);
}

void TImage::resizeEvent(QResizeEvent*)
{
    // Artwork is re-rendered at the new size so it stays sharp.
    if (!resource_.isEmpty() && !picture_.isNull() && picture_.deviceIndependentSize().toSize() != size())
        LoadPicture(resource_);
}

TLabel::TLabel(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TLabel::SetCaption(const std::string& text)
{
    setText(FromCp1252(text));
    if (AutoSize)
        adjustSize();
}

std::string TLabel::Caption() const
{
    return ToCp1252(text());
}

bool TLabel::event(QEvent* e)
{
    // A label's accelerator only moves the focus to its buddy. Qt's own label would also click a
    // buddy that is a button, so that "Play &Bubbles" would start the game.
    if (e->type() == QEvent::Shortcut && buddy()) {
        if (buddy()->focusPolicy() != Qt::NoFocus)
            buddy()->setFocus(Qt::ShortcutFocusReason);
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
        return true;
    }
    return QLabel::event(e);
}

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (HasBrush)
        p.fillRect(rect(), Brush);
    if (HasPen && PenWidth > 0) {
        QPen pen(Pen);
        pen.setWidth(PenWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const qreal half = PenWidth / 2.0;
        p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
}

TPieGauge::TPieGauge(QWidget* parent) : QWidget(parent) {}

void TPieGauge::SetProgress(int value)
{
    if (value == progress_)
        return;
    progress_ = value;
    update();
}

void TPieGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Back);
    const int span = MaxValue - MinValue;
    if (span <= 0 || progress_ <= MinValue)
        return;
    const double fraction = std::min(1.0, double(progress_ - MinValue) / span);
    const int side = std::min(width(), height() * 2);
    const QRectF circle((width() - side) / 2.0, height() - side / 2.0, side, side);
    p.setPen(Qt::NoPen);
    p.setBrush(Fore);
    // A half-circle dial filled from left to right.
    p.drawPie(circle, 180 * 16, -int(180 * 16 * fraction));
}

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {}

void TPaintBox::paintEvent(QPaintEvent*)
{
    if (!OnPaint)
        return;
    QPainter p(this);
    OnPaint(p);
}

TButton::TButton(QWidget* parent) : QPushButton(parent)
{
    connect(this, &QPushButton::clicked, this, [this] {
        if (OnClick)
            OnClick(this);
    });
}

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this](int) {
        if (OnChange)
            OnChange(this);
    });
}

std::string TComboBox::Text() const
{
    const QVariant source = currentData();
    return source.isValid() ? source.toByteArray().toStdString() : ToCp1252(currentText());
}

void TComboBox::AddProgramItem(const char* context, const char* source)
{
    addItem(TrQ(context, source), QByteArray(source));
}

namespace {

// Takes only texts the program's code page can hold, so that what the player sees in the box is what
// is stored.
class TCodePageValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        bool ok = false;
        ToCp1252(input, &ok);
        return ok ? Acceptable : Invalid;
    }
};

} // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new TCodePageValidator(this));
}

std::string TEdit::Text() const
{
    return ToCp1252(text());
}

void TEdit::SetText(const std::string& t)
{
    setText(FromCp1252(t));
}

namespace {
std::map<int, QCursor>& Cursors()
{
    static std::map<int, QCursor> cursors;
    return cursors;
}
const char* const kCursorProperty = "kvCursorId";
} // namespace

void SetCursorId(QWidget* w, int id)
{
    w->setProperty(kCursorProperty, id);
    auto it = Cursors().find(id);
    if (it != Cursors().end())
        w->setCursor(it->second);
}

void InstallCursor(int id, const QCursor& cursor)
{
    Cursors()[id] = cursor;
    for (QWidget* w : QApplication::allWidgets())
        if (w->property(kCursorProperty).toInt() == id)
            w->setCursor(cursor);
}

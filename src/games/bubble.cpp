#include "bubble.h"

#include "code_page.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <string>

namespace {

constexpr int kPhases = 4;

// 16 points at 96 pixels per inch.
constexpr int kLetterPixels = 21;

struct TBubbleLook {
    QColor fill;
    QColor outline;
    QColor letter;
};

TBubbleLook LookOf(std::int32_t kind)
{
    switch (kind) {
    case Tbubble::kBlue:
        return {QColor(0, 0, 128), QColor(0, 0, 128), Qt::white};
    case Tbubble::kRed:
        return {QColor(128, 0, 0), QColor(128, 0, 0), Qt::white};
    default:
        return {QColor(192, 220, 192), QColor(128, 128, 128), Qt::black};
    }
}

// The ellipse's bounding box from (left, top) to (right, bottom), the right and bottom edges
// excluded, as the outline of a 1-pixel pen covers it.
QRectF EllipseBox(int left, int top, int right, int bottom)
{
    return QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1);
}

// The wobble: the bubble shifts right, stretches taller, shifts right again, then flattens.
QRectF WobbleBox(const Tbubble& b)
{
    const int x = b.X, y = b.Y, s = b.Size;
    switch (b.Phase) {
    case 1:
        return EllipseBox(x + 2, y - 1, x + s, y + s + 1);
    case 3:
        return EllipseBox(x, y + 1, x + s + 2, y + s - 1);
    default:
        return EllipseBox(x + 1, y, x + s + 1, y + s);
    }
}

const QFont& LetterFont()
{
    static const QFont font = [] {
        QFont f(QStringLiteral("Times New Roman"));
        f.setPixelSize(kLetterPixels);
        f.setBold(true);
        return f;
    }();
    return font;
}

} // namespace

void Tbubble::Deactivate()
{
    Char = 0;
    Active = false;
}

void Tbubble::Launch(std::int32_t NewSpeed)
{
    Active = true;
    Speed = NewSpeed;
    Char = 0;
}

void Tbubble::Move(float Factor)
{
    if (!Active)
        return;
    Phase = (Phase + 1) % kPhases;
    Y -= static_cast<std::int32_t>(std::nearbyint(static_cast<float>(Speed) * Factor));
    if (Y + Size <= 0)
        Deactivate();
}

void DrawBubble(const Tbubble& Bubble, QPainter& Canvas)
{
    const Tbubble& b = Bubble;
    if (b.IsDecor) {
        Canvas.setBrush(Qt::NoBrush);
        Canvas.setPen(QPen(b.Size < 6 ? QColor(0, 0, 255) : QColor(0, 0, 128), 1));
        Canvas.drawEllipse(EllipseBox(b.X, b.Y, b.X + b.Size, b.Y + b.Size));
        return;
    }
    const TBubbleLook look = LookOf(b.Kind);
    Canvas.setBrush(look.fill);
    Canvas.setPen(QPen(look.outline, 1));
    Canvas.drawEllipse(WobbleBox(b));
    if (b.Char == 0)
        return;
    const QString text = FromCp1252(std::string(1, static_cast<char>(b.Char)));
    Canvas.setFont(LetterFont());
    const QFontMetrics metrics(Canvas.font());
    const int left = b.X + (b.Size - metrics.horizontalAdvance(text)) / 2;
    const int top = b.Y + (b.Size - kLetterPixels) / 2;
    Canvas.setPen(look.letter);
    Canvas.drawText(QPointF(left, top + metrics.ascent()), text);
}

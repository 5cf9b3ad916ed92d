#include "cloud.h"

#include "code_page.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

// The word's font: 14 points at 96 pixels per inch.
constexpr int kFontPx = 19;
const QColor kFrameColour(255, 255, 0);
constexpr int kFramePen = 2;
constexpr qreal kFrameCorner = 2.5; // a 5 x 5 corner

} // namespace

TCloud::TCloud() : Font("Arial")
{
    Font.setPixelSize(kFontPx);
}

int TCloud::Shade() const
{
    if (Kind == kWhite)
        return 1;
    if (X <= DarkFrom)
        return 3;
    return X <= GreyFrom ? 2 : 1;
}

const QImage* TCloud::Picture() const
{
    const QImage* p = Pictures[static_cast<std::size_t>(Shade() - 1)];
    return p && !p->isNull() ? p : nullptr;
}

QSize TCloud::PictureSize() const
{
    const QImage* p = Picture();
    return p ? p->deviceIndependentSize().toSize() : QSize(0, 0);
}

void TCloud::MeasureText() const
{
    if (textWidth_ >= 0 && Word == measuredWord_ && Font == measuredFont_)
        return;
    const QFontMetrics metrics(Font);
    textWidth_ = metrics.horizontalAdvance(FromCp1252(Word));
    lineHeight_ = metrics.height();
    measuredWord_ = Word;
    measuredFont_ = Font;
}

int TCloud::Width() const
{
    MeasureText();
    return std::max(PictureSize().width(), textWidth_);
}

int TCloud::Height() const
{
    MeasureText();
    return lineHeight_ + PictureSize().height() + 1;
}

bool TCloud::Done() const
{
    return Kind != kWhite && TypedPos > static_cast<std::int32_t>(Word.size());
}

void TCloud::Paint() const
{
    if (!Canvas || Canvas->isNull())
        return;
    QPainter p(Canvas);
    p.setRenderHint(QPainter::Antialiasing);
    Paint(p);
}

void TCloud::Paint(QPainter& p) const
{
    const QSize size = PictureSize();
    const int width = Width();
    const int px = X + (width - size.width()) / 2;
    if (const QImage* picture = Picture())
        p.drawImage(QPointF(px, Y), *picture);
    if (Highlighted) {
        p.setPen(QPen(kFrameColour, kFramePen));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(
            QRectF(QPointF(px - 3, Y - 3), QPointF(px + size.width() + 3, Y + size.height() + 2)),
            kFrameCorner, kFrameCorner);
    }
    if (Shade() != 3)
        return;
    const QFontMetrics metrics(Font);
    const QString word = FromCp1252(Word);
    const int typed = std::clamp(TypedPos - 1, 0, static_cast<int>(word.size()));
    const QString head = word.left(typed);
    const int x = X + (width - metrics.horizontalAdvance(word)) / 2;
    const int baseline = Y + size.height() + 2 + metrics.ascent();
    p.setFont(Font);
    p.setPen(TypedColour);
    p.drawText(x, baseline, head);
    p.setPen(RestColour);
    p.drawText(x + metrics.horizontalAdvance(head), baseline, word.mid(typed));
}

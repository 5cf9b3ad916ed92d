#include "missed_lcd.h"

#include "code_page.h"
#include "translation.h"

#include <QPainter>
#include <algorithm>

TMissedLcd::TMissedLcd(QWidget* Owner) : QWidget(Owner)
{
    resize(50, 10);
}

namespace {

// The lamps as a screen reader says them.
void NameLamps(QWidget* lcd, std::int32_t lit, std::int32_t total)
{
    lcd->setAccessibleName(FromCp1252(
        FillArgs(Tr("TMissedLcd", "Missed: %1 of %2"), {std::to_string(lit), std::to_string(total)})));
}

} // namespace

void TMissedLcd::SetSlotCount(std::int32_t N)
{
    SlotCount = N;
    NameLamps(this, LitCount, SlotCount);
    FitToLamps();
    repaint();
}

void TMissedLcd::SetLitCount(std::int32_t N)
{
    LitCount = N;
    NameLamps(this, LitCount, SlotCount);
    FitToLamps();
    repaint();
}

const QImage* TMissedLcd::Lamp(int i) const
{
    const QImage* picture = i <= LitCount ? OnPicture : OffPicture;
    return picture && !picture->isNull() ? picture : nullptr;
}

QSize TMissedLcd::LampRowSize() const
{
    int x = 0;
    int h = 0;
    for (int i = 1; i <= SlotCount; ++i)
        if (const QImage* picture = Lamp(i)) {
            const QSize size = picture->deviceIndependentSize().toSize();
            x += size.width();
            h = std::max(h, size.height());
        }
    return {x, h};
}

void TMissedLcd::FitToLamps()
{
    // Without any lamp to draw the control keeps its size: shrunk to nothing it would never be
    // painted again, and pictures given later would not show.
    const QSize row = LampRowSize();
    if (!row.isEmpty() && row != size())
        resize(row);
}

void TMissedLcd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Color);
    int x = 0;
    for (int i = 1; i <= SlotCount; ++i)
        if (const QImage* picture = Lamp(i)) {
            p.drawImage(QPointF(x, 0), *picture);
            x += picture->deviceIndependentSize().toSize().width();
        }
    p.end();
    // Pictures may have been given since the last change of the counts.
    FitToLamps();
}

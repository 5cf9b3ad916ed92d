#include "missed_lcd.h"

#include <QPainter>
#include <algorithm>

TMissedLcd::TMissedLcd(QWidget* Owner) : QWidget(Owner)
{
    resize(50, 10);
}

void TMissedLcd::SetSlotCount(std::int32_t N)
{
    SlotCount = N;
    FitToLamps();
    repaint();
}

void TMissedLcd::SetLitCount(std::int32_t N)
{
    LitCount = N;
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

#include "label_fit.h"

#include <QFontMetrics>
#include <QLabel>

void FitLabelWidth(QLabel* label, int room, int designedPx, int smallestPx)
{
    if (!label)
        return;
    QFont font = label->font();
    font.setPixelSize(designedPx);
    const QString text = QString(label->text()).remove(QLatin1Char('&'));
    while (font.pixelSize() > smallestPx && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    if (font != label->font()) {
        label->setFont(font);
        label->adjustSize();
    }
}

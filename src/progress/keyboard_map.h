#pragma once
#include <QRectF>
#include <QString>
#include <string>
#include <vector>

// One key of a drawn keyboard: where it lies (in key units, one unit per key width) and the
// characters it types without and with Shift.
struct TKeyCap {
    QRectF Place;
    QChar Base;
    QChar Shifted;
};

// The character keys of the US keyboard, or of the German or French one for the X layouts "de"
// and "fr"; any other name gives the US keyboard.
const std::vector<TKeyCap>& KeyboardMap(const std::string& layout);

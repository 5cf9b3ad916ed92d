#pragma once
#include "keyboard_layout.h"

#include <QRectF>
#include <QString>
#include <vector>

// One key of a drawn keyboard: where it lies (in key units, one unit per key width) and the
// characters it types without and with Shift (a null QChar where it types nothing printable).
struct TKeyCap {
    QRectF Place;
    QChar Base;
    QChar Shifted;
};

// The character keys of a keyboard with the given labels, in their places on a 105-key keyboard: the
// ISO shape, with the extra key beside left Shift and the key beside Enter in the home row, when the
// extra key types a character no other key does; otherwise the US shape without it. No labels give
// the US keyboard.
std::vector<TKeyCap> KeyboardOf(const std::vector<TKeyLabel>& labels);

// The US keyboard, drawn when the X keyboard cannot be read.
const std::vector<TKeyCap>& UsKeyboard();

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
    // Whether Base or Shifted is the accent of a dead key.
    bool BaseDead = false;
    bool ShiftedDead = false;
};

// The character keys of a keyboard with the given labels, in their places on a 105-key keyboard: the
// ISO shape, with the extra key beside left Shift and the key beside Enter in the home row, when the
// extra key types a character no other key does; otherwise the US shape without it. No labels give
// the US keyboard.
std::vector<TKeyCap> KeyboardOf(const std::vector<TKeyLabel>& labels);

// The US keyboard, drawn when the X keyboard cannot be read.
const std::vector<TKeyCap>& UsKeyboard();

// The keys of keyboard that type ch: the key that has it; for a letter with an accent that no key has,
// the dead key of its accent (on a Spanish keyboard "á" is the acute accent's key). Empty when no key
// types it.
std::vector<std::size_t> KeysTyping(const std::vector<TKeyCap>& keyboard, QChar ch);

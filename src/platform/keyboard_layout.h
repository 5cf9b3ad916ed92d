#pragma once
#include <QChar>
#include <string>
#include <vector>

struct xkb_keymap;

// One key of a keyboard's character block: its XKB name ("TLDE", "AE01" to "AE12", "AD01" to "AD12",
// "AC01" to "AC11", "AB01" to "AB10", "BKSL", and "LSGT", the extra key beside left Shift) and the
// characters it types without and with Shift. A dead key shows the accent it adds; a character without
// a printable form is a null QChar, and so is the shifted one when Shift types the same as the key alone.
struct TKeyLabel {
    std::string Name;
    QChar Base;
    QChar Shifted;
    // Whether Base or Shifted is a dead key's accent rather than a character the key types.
    bool BaseDead = false;
    bool ShiftedDead = false;
};

// The labels of the character block in one layout (XKB group) of keymap, row by row from the digits
// down; keys the keymap does not have are left out.
std::vector<TKeyLabel> KeymapLabels(xkb_keymap* keymap, unsigned layout);

// The labels of a layout named as setxkbmap names it ("de", variant "nodeadkeys"), compiled from the
// system's keyboard data on a 105-key keyboard; empty when the name is unknown or the data missing.
std::vector<TKeyLabel> NamedLayoutLabels(const std::string& layout, const std::string& variant = {});

// The labels of the X keyboard's active layout, read from the X server the program's windows are on;
// empty when the program does not run on an X display or the keyboard cannot be read.
std::vector<TKeyLabel> XKeyboardLabels();

// The labels of the first layout of the keymap the Wayland compositor gives the seat's keyboard, read
// over a connection of its own to the compositor the program's windows are on; empty when the program
// does not run on Wayland or the compositor sends no keymap.
std::vector<TKeyLabel> WaylandKeyboardLabels();

// The labels of the keyboard in use: the X keyboard's, or the Wayland compositor's under Wayland.
std::vector<TKeyLabel> DesktopKeyboardLabels();

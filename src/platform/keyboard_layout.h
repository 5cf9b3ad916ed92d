#pragma once
#include <string>

// The first layout of the X keyboard in use ("us", "de", "fr"...), read from the root window's XKB
// rule names; empty when the program does not run on an X display or the name is not set.
std::string XKeyboardLayout();

#pragma once
#include <cstdint>

// Key codes and shift states as the program's key handlers see them: the virtual-key numbering of
// the original platform (letters 65-90 as upper case, digits 48-57), so the game rules read the same.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;

inline constexpr std::uint16_t VK_BACK = 8;
inline constexpr std::uint16_t VK_TAB = 9;
inline constexpr std::uint16_t VK_RETURN = 13;
inline constexpr std::uint16_t VK_SHIFT = 16;
inline constexpr std::uint16_t VK_CONTROL = 17;
inline constexpr std::uint16_t VK_MENU = 18;
inline constexpr std::uint16_t VK_ESCAPE = 27;
inline constexpr std::uint16_t VK_SPACE = 32;
inline constexpr std::uint16_t VK_PRIOR = 33;
inline constexpr std::uint16_t VK_NEXT = 34;
inline constexpr std::uint16_t VK_END = 35;
inline constexpr std::uint16_t VK_HOME = 36;
inline constexpr std::uint16_t VK_LEFT = 37;
inline constexpr std::uint16_t VK_UP = 38;
inline constexpr std::uint16_t VK_RIGHT = 39;
inline constexpr std::uint16_t VK_DOWN = 40;
inline constexpr std::uint16_t VK_INSERT = 45;
inline constexpr std::uint16_t VK_DELETE = 46;
inline constexpr std::uint16_t VK_F1 = 112;

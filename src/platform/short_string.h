#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The program's texts are "short strings": at most 255 single-byte (Windows-1252) characters.
// Building one stops silently at its capacity; this is the one place where that cut happens.
inline constexpr std::size_t kShortStringMax = 255;

inline std::string ShortString(std::string_view text, std::size_t capacity = kShortStringMax)
{
    return std::string(text.substr(0, capacity));
}

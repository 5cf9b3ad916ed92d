#include "helpers.h"

#include "short_string.h"
#include "system.h"

#include <algorithm>
#include <cstddef>

namespace {

// The shell takes each argument as a fixed buffer of 80 bytes including the terminating zero.
constexpr std::size_t kShellArgumentMax = 79;

} // namespace

float LinearMap(float y1, float y0, float x1, float x0, float x)
{
    const long double slope = (static_cast<long double>(y1) - y0) / (static_cast<long double>(x1) - x0);
    return static_cast<float>(y0 + slope * (static_cast<long double>(x) - x0));
}

std::vector<std::string>& ShuffleList(std::vector<std::string>& List)
{
    Randomize();
    const int n = static_cast<int>(List.size()) - 1;
    const auto at = [&List](int k) { return List.begin() + k; };
    for (int i = 0; i < n; ++i) {
        const int j = Random(n);
        // Take the entry out at i and put it back at j; the entries between close up by one.
        if (j > i)
            std::rotate(at(i), at(i + 1), at(j + 1));
        else if (j < i)
            std::rotate(at(j), at(i), at(i + 1));
    }
    return List;
}

int ShellOpenDocument(const std::string& File, const std::string& Parameters, const std::string& Folder)
{
    return Platform::Shell().OpenDocument(ShortString(File, kShellArgumentMax),
                                          ShortString(Parameters, kShellArgumentMax),
                                          ShortString(Folder, kShellArgumentMax));
}

#include "helpers.h"

#include "place_sequence.h"
#include "short_string.h"
#include "system.h"

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
    if (n < 1)
        return List;
    // Each entry i in turn is taken out and put back at a drawn place j, the entries between closing
    // up by one. Shifting the list for every move would cost n * n / 3 string moves, minutes for a
    // large word list; the places are followed in a tree instead, and the strings move once at the end.
    TPlaceSequence places(n);
    for (int i = 0; i < n; ++i)
        places.Move(i, Random(n));
    std::vector<std::string> mixed;
    mixed.reserve(List.size());
    for (int from : places.Order())
        mixed.push_back(std::move(List[static_cast<std::size_t>(from)]));
    // The last entry is never picked up and never passed: it keeps the last place.
    mixed.push_back(std::move(List.back()));
    List = std::move(mixed);
    return List;
}

int ShellOpenDocument(const std::string& File, const std::string& Parameters, const std::string& Folder)
{
    return Platform::Shell().OpenDocument(ShortString(File, kShellArgumentMax),
                                          ShortString(Parameters, kShellArgumentMax),
                                          ShortString(Folder, kShellArgumentMax));
}

#include "practice_keys.h"

#include <algorithm>

namespace {

// The home row, index fingers first: the keys a beginner practises first.
constexpr const char* kHomeRow = "fjdkslagh";

} // namespace

std::vector<TKeyRating> HardestKeys(const TDifficultKeys& keys)
{
    std::vector<TKeyRating> rated;
    for (int code = TDifficultKeys::TCharCounts::kFirst; code <= 255; ++code) {
        const auto ch = static_cast<unsigned char>(code);
        const float rating = keys.KeyDifficulty(ch);
        if (rating > 0.0f)
            rated.push_back({ch, rating, keys.TotalHits[ch], keys.TotalErrors[ch]});
    }
    std::stable_sort(rated.begin(), rated.end(), [](const TKeyRating& a, const TKeyRating& b) {
        if (a.Rating != b.Rating)
            return a.Rating > b.Rating;
        return a.Errors > b.Errors;
    });
    return rated;
}

std::string PracticeKeySet(const TDifficultKeys& keys)
{
    std::string set;
    for (const TKeyRating& k : HardestKeys(keys)) {
        if (set.size() == static_cast<std::size_t>(kPracticeMax))
            break;
        set += static_cast<char>(k.Ch);
    }
    for (const char* c = kHomeRow; *c && set.size() < static_cast<std::size_t>(kPracticeMin); ++c)
        if (set.find(*c) == std::string::npos)
            set += *c;
    return set;
}

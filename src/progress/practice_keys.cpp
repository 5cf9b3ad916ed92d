#include "practice_keys.h"

#include "code_page.h"

#include <algorithm>
#include <array>
#include <unordered_set>

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

std::string PracticeKeySet(const std::vector<TKeyStanding>& ranking, const TDifficultKeys& keys)
{
    if (ranking.empty())
        return PracticeKeySet(keys);
    std::string hard;
    for (const TKeyStanding& k : HardKeys(ranking, kPracticeMax))
        hard += static_cast<char>(k.Ch);
    std::string set = hard + hard;
    std::size_t distinct = hard.size();
    for (const char* c = kHomeRow; *c && distinct < static_cast<std::size_t>(kPracticeMin); ++c)
        if (hard.find(*c) == std::string::npos) {
            set += *c;
            ++distinct;
        }
    return set;
}

std::vector<std::string> PracticeWords(const std::vector<TKeyStanding>& ranking, const TDifficultKeys& keys,
                                       const std::vector<std::string>& candidates, int count)
{
    std::array<double, 256> weight{};
    std::array<unsigned char, 256> confused{};
    const std::vector<TKeyStanding> hard = HardKeys(ranking, kPracticeMax);
    for (const TKeyStanding& k : hard) {
        weight[k.Ch] = k.Difficulty;
        if (TKeyRecord::Rated(k.Confused))
            confused[k.Ch] = k.Confused;
    }
    if (hard.empty())
        for (char c : PracticeKeySet(ranking, keys))
            weight[static_cast<unsigned char>(c)] = 1;

    struct TScored {
        double Score;
        std::string Word;
    };
    std::vector<TScored> scored;
    std::unordered_set<std::string> seen;
    for (const std::string& candidate : candidates) {
        const std::string word = ToCp1252(FromCp1252(candidate).toLower());
        if (word.size() < 2 || word.size() > 20 || !seen.insert(word).second)
            continue;
        double score = 0;
        for (char c : word) {
            const auto ch = static_cast<unsigned char>(c);
            score += weight[ch];
            // A word that holds both the key and what is typed for it practises telling them apart.
            if (confused[ch] && word.find(static_cast<char>(confused[ch])) != std::string::npos)
                score += weight[ch] / 2;
        }
        scored.push_back({score / double(word.size() + 3), word});
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const TScored& a, const TScored& b) { return a.Score > b.Score; });
    std::vector<std::string> words;
    const bool anyScored = !scored.empty() && scored.front().Score > 0;
    for (const TScored& s : scored) {
        if (int(words.size()) == count || (anyScored && s.Score <= 0))
            break;
        words.push_back(s.Word);
    }
    return words;
}

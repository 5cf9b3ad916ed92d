#include "key_ranking.h"

#include "difficult_keys.h"
#include "translation.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kZ = 1.96;

// Weighted sums of one character over the days.
struct TSums {
    double Keystrokes = 0;
    double Errors = 0;
    double Timed = 0;
    double TimedMs = 0;
    std::vector<double> Confusions; // by the character typed; made at the first confusion
};

} // namespace

void AddToDay(TKeyDays& days, int day, const TKeyRecord& keys)
{
    auto at =
        std::lower_bound(days.begin(), days.end(), day, [](const TKeyDay& d, int v) { return d.Day < v; });
    if (at == days.end() || at->Day != day)
        at = days.insert(at, TKeyDay{day, {}});
    at->Keys.Add(keys);
}

double WilsonLowerBound(double errors, double n)
{
    if (n <= 0)
        return 0;
    const double p = std::clamp(errors / n, 0.0, 1.0);
    const double z2 = kZ * kZ;
    const double centre = p + z2 / (2 * n);
    const double spread = kZ * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    return std::max(0.0, (centre - spread) / (1 + z2 / n));
}

std::vector<TKeyStanding> RankKeys(const TKeyDays& days, int today)
{
    std::vector<TSums> sums(256);
    double allKeystrokes = 0;
    double allErrors = 0;
    for (const TKeyDay& d : days) {
        const double weight = std::pow(0.5, std::max(0, today - d.Day) / kHalfLifeDays);
        for (int code = TKeyRecord::kFirst; code <= 255; ++code) {
            const auto ch = static_cast<unsigned char>(code);
            const TKeyTally& t = d.Keys[ch];
            if (t.Keystrokes <= 0 || !TKeyRecord::Rated(ch))
                continue;
            TSums& s = sums[ch];
            s.Keystrokes += weight * t.Keystrokes;
            s.Errors += weight * t.Errors;
            s.Timed += weight * t.TimedStrokes;
            s.TimedMs += weight * double(t.TimedMs);
            if (!t.Confusions.empty() && s.Confusions.empty())
                s.Confusions.assign(256, 0.0);
            for (const TKeyTally::TConfusion& c : t.Confusions)
                s.Confusions[c.Typed] += weight * c.Count;
            allKeystrokes += weight * t.Keystrokes;
            allErrors += weight * t.Errors;
        }
    }
    const double playerRate = allKeystrokes > 0 ? allErrors / allKeystrokes : 0;

    std::vector<TKeyStanding> ranking;
    std::vector<double> speeds;
    for (int code = TKeyRecord::kFirst; code <= 255; ++code) {
        const TSums& s = sums[code];
        if (s.Keystrokes <= 0)
            continue;
        TKeyStanding k;
        k.Ch = static_cast<unsigned char>(code);
        k.Keystrokes = s.Keystrokes;
        k.Errors = s.Errors;
        k.ErrorRate = s.Errors / s.Keystrokes;
        k.ErrorBound =
            WilsonLowerBound(s.Errors + kPriorKeystrokes * playerRate, s.Keystrokes + kPriorKeystrokes);
        if (s.Timed > 0)
            k.MsPerKey = s.TimedMs / s.Timed;
        if (s.Timed >= kTimedNeeded)
            speeds.push_back(k.MsPerKey);
        const auto most = std::max_element(s.Confusions.begin(), s.Confusions.end());
        if (most != s.Confusions.end() && *most > 0) {
            k.Confused = static_cast<unsigned char>(most - s.Confusions.begin());
            k.ConfusedCount = static_cast<std::int32_t>(std::lround(*most));
        }
        ranking.push_back(k);
    }
    double median = 0;
    if (!speeds.empty()) {
        std::nth_element(speeds.begin(), speeds.begin() + long(speeds.size() / 2), speeds.end());
        median = speeds[speeds.size() / 2];
    }
    for (TKeyStanding& k : ranking) {
        if (median > 0 && sums[k.Ch].Timed >= kTimedNeeded)
            k.Slowness = std::clamp(k.MsPerKey / median - 1, 0.0, 1.0);
        k.Difficulty = 100 * k.ErrorBound + kSlownessWeight * k.Slowness;
    }
    std::stable_sort(ranking.begin(), ranking.end(), [](const TKeyStanding& a, const TKeyStanding& b) {
        return a.Difficulty > b.Difficulty;
    });
    return ranking;
}

std::vector<TKeyStanding> HardKeys(const std::vector<TKeyStanding>& ranking, std::size_t max)
{
    std::vector<double> all;
    for (const TKeyStanding& k : ranking)
        all.push_back(k.Difficulty);
    // With one or two keys typed there is nothing to stand out from.
    double median = 0;
    if (all.size() >= 3) {
        const std::size_t middle = (all.size() - 1) / 2;
        std::nth_element(all.begin(), all.begin() + long(middle), all.end());
        median = all[middle];
    }
    std::vector<TKeyStanding> hard;
    for (const TKeyStanding& k : ranking)
        if (hard.size() < max && k.Difficulty >= kHardFloor && k.Difficulty >= 2 * median)
            hard.push_back(k);
    return hard;
}

std::string KeyName(unsigned char ch, bool translated)
{
    const char* name = nullptr;
    switch (ch) {
    case ',':
        name = QT_TRANSLATE_NOOP("KeyName", "comma");
        break;
    case '.':
        name = QT_TRANSLATE_NOOP("KeyName", "full stop");
        break;
    case ' ':
        name = QT_TRANSLATE_NOOP("KeyName", "space");
        break;
    default:
        return std::string(1, static_cast<char>(ch));
    }
    return translated ? Tr("KeyName", name) : name;
}

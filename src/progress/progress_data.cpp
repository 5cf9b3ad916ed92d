#include "progress_data.h"

#include "practice_keys.h"
#include "progress_store.h"

#include <algorithm>
#include <cmath>

TProgressData CollectProgress(TProgressStore* store, const TDifficultKeys& keys, const TKeyDays& days,
                              double now)
{
    TProgressData data;
    data.Keys.TakeTotals(keys);
    data.KeyDays = days;
    data.Today = static_cast<int>(std::floor(now));
    data.Ranking = RankKeys(days, data.Today);
    if (days.empty()) {
        // Progress kept before the key record existed: the statistics' totals stand in for it, as
        // keystrokes and errors of today without times or confusions.
        TKeyDays totals(1);
        totals[0].Day = data.Today;
        for (int code = TKeyRecord::kFirst; code <= 255; ++code) {
            const auto ch = static_cast<unsigned char>(code);
            totals[0].Keys[ch].Keystrokes = keys.TotalHits[ch];
            totals[0].Keys[ch].Errors = std::min(keys.TotalErrors[ch], keys.TotalHits[ch]);
        }
        data.Ranking = RankKeys(totals, data.Today);
    }
    if (!store || !store->IsOpen())
        return data;
    const std::string weekAgo = DateTimeText(now - 7.0);
    for (int g = 0; g < 3; ++g) {
        data.Scores[g] = store->RecentScores(kHistoryGames[g], kChartGames, &data.ScoreDays[g]);
        data.WeekBest[g] = store->BestScoreSince(kHistoryGames[g], weekAgo);
    }
    return data;
}

std::string ProgressNotice(const TProgressData& data)
{
    std::vector<unsigned char> hardest;
    if (!data.Ranking.empty()) {
        for (const TKeyStanding& k : HardKeys(data.Ranking, 3))
            hardest.push_back(k.Ch);
    } else {
        for (const TKeyRating& k : HardestKeys(data.Keys))
            if (hardest.size() < 3)
                hardest.push_back(k.Ch);
    }
    std::string keys;
    for (std::size_t i = 0; i < hardest.size(); ++i)
        keys += (i ? ", " : "") + KeyName(hardest[i]);
    std::string best;
    for (int g = 0; g < 3; ++g)
        if (data.WeekBest[g] >= 0)
            best += (best.empty() ? "" : ", ") + std::string(kHistoryGames[g]) + " " +
                    std::to_string(data.WeekBest[g]);
    std::string text;
    if (!data.SetAsideName.empty())
        text += "Your progress file could not be read and was put aside as " + data.SetAsideName +
                "; your progress starts afresh. ";
    if (keys.empty() && best.empty() && !data.HasGames())
        return text + "Your progress shows here after your first game: press Alt+Y to see it.";
    if (!keys.empty())
        text += "Your hardest keys: " + keys + ". ";
    if (!best.empty())
        text += "Best this week: " + best + ". ";
    return text + "Click here or press Alt+Y to see your progress.";
}

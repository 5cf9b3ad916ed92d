#include "progress_data.h"

#include "practice_keys.h"
#include "progress_store.h"

TProgressData CollectProgress(TProgressStore* store, const TDifficultKeys& keys, double now)
{
    TProgressData data;
    data.Keys.TakeTotals(keys);
    if (!store || !store->IsOpen())
        return data;
    const std::string weekAgo = DateTimeText(now - 7.0);
    for (int g = 0; g < 3; ++g) {
        data.Scores[g] = store->RecentScores(kHistoryGames[g], kChartGames);
        data.WeekBest[g] = store->BestScoreSince(kHistoryGames[g], weekAgo);
    }
    return data;
}

std::string ProgressNotice(const TProgressData& data)
{
    std::string keys;
    const std::vector<TKeyRating> hardest = HardestKeys(data.Keys);
    for (std::size_t i = 0; i < hardest.size() && i < 3; ++i)
        keys += (i ? ", " : "") + std::string(1, static_cast<char>(hardest[i].Ch));
    std::string best;
    for (int g = 0; g < 3; ++g)
        if (data.WeekBest[g] >= 0)
            best += (best.empty() ? "" : ", ") + std::string(kHistoryGames[g]) + " " +
                    std::to_string(data.WeekBest[g]);
    if (keys.empty() && best.empty())
        return {};
    std::string text;
    if (!keys.empty())
        text += "Your hardest keys: " + keys + ". ";
    if (!best.empty())
        text += "Best this week: " + best + ". ";
    return text + "Click here or press Alt+Y to see your progress.";
}

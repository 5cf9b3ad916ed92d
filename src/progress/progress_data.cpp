#include "progress_data.h"

#include "practice_keys.h"
#include "progress_store.h"

TProgressData CollectProgress(TProgressStore* store, const TDifficultKeys& keys, double now)
{
    TProgressData data;
    data.Keys.TakeTotals(keys);
    if (!store)
        return data;
    if (!store->IsOpen()) {
        data.Problem = store->Problem();
        return data;
    }
    const std::string weekAgo = DateTimeText(now - 7.0);
    for (int g = 0; g < 3; ++g) {
        if (!store->RecentScores(kHistoryGames[g], kChartGames, data.Scores[g]) ||
            !store->BestScoreSince(kHistoryGames[g], weekAgo, data.WeekBest[g])) {
            data.Problem = store->Problem();
            data.Scores = {};
            data.WeekBest = {-1, -1, -1};
            break;
        }
    }
    return data;
}

std::string ProblemReason(TStoreProblem problem)
{
    switch (problem) {
    case TStoreProblem::None:
        break;
    case TStoreProblem::FolderNotWritable:
        return "the folder for it cannot be written";
    case TStoreProblem::FolderOpenToOthers:
        return "other users may write the folder for it";
    case TStoreProblem::ForeignLink:
        return "the way to it passes a link of another user";
    case TStoreProblem::LaterVersion:
        return "it was saved by a later version of the program";
    case TStoreProblem::Held:
        return "another copy of the program holds it";
    case TStoreProblem::CannotOpen:
        return "its file cannot be opened";
    case TStoreProblem::ReadOnly:
        return "its file cannot be written";
    case TStoreProblem::ReadFailed:
        return "its file could not be read";
    case TStoreProblem::Damaged:
        return "its file is damaged and could not be set aside";
    }
    return {};
}

std::string ProblemNotice(TStoreProblem problem)
{
    if (problem == TStoreProblem::None)
        return {};
    if (problem == TStoreProblem::Held)
        return "Your progress cannot be reached just now: " + ProblemReason(problem) +
               ". Your games are stored at the next chance.";
    return "Your progress is not being kept: " + ProblemReason(problem) + ". The games run as usual.";
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

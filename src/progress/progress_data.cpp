#include "progress_data.h"

#include "practice_keys.h"
#include "progress_store.h"
#include "translation.h"

#include <algorithm>
#include <cmath>

TProgressData CollectProgress(TProgressStore* store, const TDifficultKeys& keys, const TKeyDays& days,
                              double now)
{
    TProgressData data;
    data.Keys.TakeTotals(keys);
    data.Today = static_cast<int>(std::floor(now));
    // The page draws the last days; the ranking weighs them all.
    for (const TKeyDay& d : days)
        if (d.Day > data.Today - kChartDays)
            data.KeyDays.push_back(d);
    data.Ranking = RankKeys(days, data.Today);
    data.RankedFromRecord = !days.empty();
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
    if (!store)
        return data;
    if (!store->IsOpen()) {
        data.Problem = store->Problem();
        return data;
    }
    const std::string weekAgo = DateTimeText(now - 7.0);
    for (int g = 0; g < 3; ++g) {
        if (!store->RecentScores(kHistoryGames[g], kChartGames, data.Scores[g], &data.ScoreDays[g]) ||
            !store->BestScoreSince(kHistoryGames[g], weekAgo, data.WeekBest[g])) {
            data.Problem = store->Problem();
            data.Scores = {};
            data.ScoreDays = {};
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
        return Tr("ProgressNotice", "the folder for it cannot be written");
    case TStoreProblem::FolderOpenToOthers:
        return Tr("ProgressNotice", "other users may write the folder for it");
    case TStoreProblem::ForeignLink:
        return Tr("ProgressNotice", "the way to it passes a link of another user");
    case TStoreProblem::LaterVersion:
        return Tr("ProgressNotice", "it was saved by a later version of the program");
    case TStoreProblem::Held:
        return Tr("ProgressNotice", "another copy of the program holds it");
    case TStoreProblem::CannotOpen:
        return Tr("ProgressNotice", "its file cannot be opened");
    case TStoreProblem::ReadOnly:
        return Tr("ProgressNotice", "its file cannot be written");
    case TStoreProblem::ReadFailed:
        return Tr("ProgressNotice", "its file could not be read");
    case TStoreProblem::Damaged:
        return Tr("ProgressNotice", "its file is damaged and could not be set aside");
    }
    return {};
}

std::string ProblemNotice(TStoreProblem problem)
{
    if (problem == TStoreProblem::None)
        return {};
    if (problem == TStoreProblem::Held)
        return FillArgs(
            Tr("ProgressNotice",
               "Your progress cannot be reached just now: %1. Your games are stored at the next chance."),
            {ProblemReason(problem)});
    return FillArgs(Tr("ProgressNotice", "Your progress is not being kept: %1. The games run as usual."),
                    {ProblemReason(problem)});
}

std::string ProgressNotice(const TProgressData& data)
{
    std::vector<unsigned char> hardest;
    if (data.RankedFromRecord)
        for (const TKeyStanding& k : HardKeys(data.Ranking, 3))
            hardest.push_back(k.Ch);
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
        text +=
            FillArgs(Tr("ProgressNotice",
                        "Your progress file could not be read and was put aside as %1; your progress starts "
                        "afresh. "),
                     {data.SetAsideName});
    const bool scores = std::any_of(data.Scores.begin(), data.Scores.end(),
                                    [](const std::vector<std::int32_t>& s) { return !s.empty(); });
    if (!data.RankedFromRecord && best.empty() && !scores)
        return text +
               Tr("ProgressNotice", "Your progress shows here after your first game: press Alt+Y to see it.");
    if (!keys.empty())
        text += FillArgs(Tr("ProgressNotice", "Your hardest keys: %1. "), {keys});
    if (!best.empty())
        text += FillArgs(Tr("ProgressNotice", "Best this week: %1. "), {best});
    return text + Tr("ProgressNotice", "Click here or press Alt+Y to see your progress.");
}

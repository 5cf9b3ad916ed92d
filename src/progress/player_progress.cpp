#include "player_progress.h"

#include "errors.h"
#include "keyboard_layout.h"
#include "practice_keys.h"
#include "system.h"

#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcProgress, "keyvane.progress")

// The statistics the progress was started with, or empty ones before the start.
const TDifficultKeys& KeysOrNone(const TDifficultKeys* keys)
{
    static const TDifficultKeys none;
    return keys ? *keys : none;
}

} // namespace

TPlayerProgress::TPlayerProgress(const std::string& folder, int waitMs) : store_(folder), waitMs_(waitMs) {}

TPlayerProgress::~TPlayerProgress()
{
    if (waiting_.empty())
        return;
    TProgressStore::TAction action(store_, waitMs_);
    CatchUp();
    if (!waiting_.empty())
        LogError(TProgressStore::kErrorCode,
                 std::to_string(waiting_.size()) +
                     " finished games could not be added to the progress: " + store_.Detail());
}

bool TPlayerProgress::Kept() const
{
    return store_.IsOpen() || store_.Problem() == TStoreProblem::Held;
}

TStoreProblem TPlayerProgress::Problem() const
{
    if (!store_.IsOpen())
        return store_.Problem() == TStoreProblem::None ? TStoreProblem::FolderNotWritable : store_.Problem();
    return waiting_.empty() ? TStoreProblem::None : TStoreProblem::Held;
}

void TPlayerProgress::Start(TDifficultKeys& keys)
{
    keys_ = &keys;
    TProgressStore::TAction action(store_, waitMs_);
    CatchUp();
    if (store_.Problem() == TStoreProblem::Held)
        qCWarning(lcProgress, "progress is held by another copy of the program; tried again later: %s",
                  store_.Detail().c_str());
    else if (!store_.IsOpen())
        qCInfo(lcProgress, "progress is not kept: %s", store_.Detail().c_str());
}

void TPlayerProgress::CatchUp()
{
    if (!store_.IsOpen()) {
        if (!store_.Open())
            return;
        // Games waiting to be folded bring the stored totals with them.
        if (waiting_.empty() && keys_)
            store_.LoadTotals(*keys_);
    }
    while (!waiting_.empty()) {
        const TWaitingGame& game = waiting_.front();
        if (!store_.RecordGame(game.Record, game.PlayedAt, keys_)) {
            if (store_.Problem() == TStoreProblem::Held) {
                qCWarning(lcProgress, "%zu finished games wait for the progress, held by another copy",
                          waiting_.size());
                return;
            }
            LogError(TProgressStore::kErrorCode,
                     "a finished game could not be added to the progress: " + store_.Detail());
        }
        waiting_.pop_front();
    }
}

void TPlayerProgress::Record(const TGameRecord& record)
{
    if (!Kept())
        return;
    waiting_.push_back({record, DateTimeText(Now())});
    TProgressStore::TAction action(store_, waitMs_);
    CatchUp();
}

std::string TPlayerProgress::Notice()
{
    // A store found held in this action is not waited for again: the notice says so instead.
    if (const TStoreProblem problem = Problem(); problem != TStoreProblem::None)
        return ProblemNotice(problem);
    TProgressStore::TAction action(store_, waitMs_);
    // The notice names keys and scores only: the keyboard layout is asked for by the view alone.
    const TProgressData data = CollectProgress(&store_, KeysOrNone(keys_), Now());
    if (data.Problem != TStoreProblem::None) {
        qCWarning(lcProgress, "the progress could not be read: %s", store_.Detail().c_str());
        return data.Problem == TStoreProblem::Held
                   ? ProblemNotice(data.Problem)
                   : "Your progress could not be read just now: " + ProblemReason(data.Problem) + ".";
    }
    return ProgressNotice(data);
}

TProgressData TPlayerProgress::Collect()
{
    TProgressData data;
    {
        TProgressStore::TAction action(store_, waitMs_);
        if (Kept() && keys_)
            CatchUp();
        data = CollectProgress(&store_, KeysOrNone(keys_), Now());
    }
    if (!store_.IsOpen())
        data.Problem = Problem();
    else if (!waiting_.empty())
        data.Problem = TStoreProblem::Held;
    if (data.Problem != TStoreProblem::None)
        qCWarning(lcProgress, "the progress view's figures could not be read: %s", store_.Detail().c_str());
    const std::string layout = XKeyboardLayout();
    if (layout == "de" || layout == "fr")
        data.Layout = layout;
    return data;
}

std::string TPlayerProgress::PracticeKeys() const
{
    return PracticeKeySet(KeysOrNone(keys_));
}

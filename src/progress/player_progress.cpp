#include "player_progress.h"

#include "errors.h"
#include "file.h"
#include "key_record_sql.h"
#include "keyboard_layout.h"
#include "practice_keys.h"
#include "system.h"
#include "text_file.h"
#include "translation.h"
#include "vocabulary_words.h"

#include <QLoggingCategory>
#include <cmath>

namespace {

Q_LOGGING_CATEGORY(lcProgress, "keyvane.progress")

// The statistics the progress was started with, or empty ones before the start.
const TDifficultKeys& KeysOrNone(const TDifficultKeys* keys)
{
    static const TDifficultKeys none;
    return keys ? *keys : none;
}

int Today()
{
    return static_cast<int>(std::floor(Now()));
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
    StartAgainIfMoved();
    if (!store_.IsOpen()) {
        if (!store_.Open())
            return;
        // Games waiting to be folded bring the stored totals with them.
        if (waiting_.empty() && keys_)
            store_.LoadTotals(*keys_);
        LoadKeyDays();
    }
    while (!waiting_.empty()) {
        const TWaitingGame& game = waiting_.front();
        const bool stored = store_.RecordGame(game.Record, game.PlayedAt, keys_);
        if (stored)
            AddToDay(keyDays_, KeyRecordSql::DayOf(game.PlayedAt.substr(0, 10)), game.Record.KeyRecord);
        else {
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

void TPlayerProgress::StartAgainIfMoved()
{
    if (!store_.IsOpen() || !store_.Moved())
        return;
    const std::string path = store_.Path();
    if (!store_.Open()) {
        LogError(TProgressStore::kErrorCode,
                 "progress database " + path +
                     " was removed while the program ran and no new one can be made: " + store_.Detail());
        return;
    }
    // A file put in its place that holds progress already is taken as it is.
    const bool filled = store_.PutTotals(KeysOrNone(keys_), keyDays_);
    LogError(TProgressStore::kErrorCode,
             "progress database " + path + " was removed or replaced while the program ran; " +
                 (filled ? "a new one was started with the progress held in memory"
                         : "the games go on into the file now there"));
}

const TKeyDays& TPlayerProgress::KeyDays() const
{
    if (waiting_.empty())
        return keyDays_;
    withWaiting_ = keyDays_;
    for (const TWaitingGame& game : waiting_)
        AddToDay(withWaiting_, KeyRecordSql::DayOf(game.PlayedAt.substr(0, 10)), game.Record.KeyRecord);
    return withWaiting_;
}

void TPlayerProgress::LoadKeyDays()
{
    TKeyDays days;
    if (store_.ReadKeyDays(Today() - kKeyDaysKept + 1, days))
        keyDays_ = std::move(days);
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
    TProgressData data = CollectProgress(&store_, KeysOrNone(keys_), KeyDays(), Now());
    // A damaged file set aside is told once.
    if (store_.SetAsideName != toldSetAside_) {
        data.SetAsideName = store_.SetAsideName;
        toldSetAside_ = store_.SetAsideName;
    }
    if (data.Problem != TStoreProblem::None) {
        qCWarning(lcProgress, "the progress could not be read: %s", store_.Detail().c_str());
        return data.Problem == TStoreProblem::Held
                   ? ProblemNotice(data.Problem)
                   : FillArgs(Tr("ProgressNotice", "Your progress could not be read just now: %1."),
                              {ProblemReason(data.Problem)});
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
        data = CollectProgress(&store_, KeysOrNone(keys_), KeyDays(), Now());
    }
    if (!store_.IsOpen())
        data.Problem = Problem();
    else if (!waiting_.empty())
        data.Problem = TStoreProblem::Held;
    if (data.Problem != TStoreProblem::None)
        qCWarning(lcProgress, "the progress view's figures could not be read: %s", store_.Detail().c_str());
    // Read each time the view opens: the player may have switched layouts since.
    data.Keyboard = KeyboardOf(DesktopKeyboardLabels());
    return data;
}

std::string TPlayerProgress::PracticeKeys() const
{
    return PracticeKeySet(RankKeys(KeyDays(), Today()), KeysOrNone(keys_));
}

std::vector<std::string> TPlayerProgress::PracticeWords() const
{
    // A very long list is sampled evenly, so that a game starts without a wait.
    constexpr std::size_t kWordsPerFile = 20000;
    std::vector<std::string> candidates;
    for (const std::string& title : TFile::ListFileTitles("*.vcb")) {
        TTextFile file;
        if (file.OpenFile(title + ".vcb", 1) != 1)
            continue;
        const std::vector<std::string> words = ReadVocabularyWords(file).Words;
        file.CloseFile();
        const std::size_t step = words.size() / kWordsPerFile + 1;
        for (std::size_t i = 0; i < words.size(); i += step)
            candidates.push_back(words[i]);
    }
    return ::PracticeWords(RankKeys(KeyDays(), Today()), KeysOrNone(keys_), candidates);
}

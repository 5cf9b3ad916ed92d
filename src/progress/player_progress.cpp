#include "player_progress.h"

#include "errors.h"
#include "file.h"
#include "keyboard_layout.h"
#include "practice_keys.h"
#include "system.h"
#include "text_file.h"
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

} // namespace

TPlayerProgress::TPlayerProgress(const std::string& folder) : store_(folder) {}

void TPlayerProgress::Start(TDifficultKeys& keys)
{
    keys_ = &keys;
    if (!store_.Open()) {
        qCInfo(lcProgress, "progress is not kept: %s", store_.Problem.c_str());
        return;
    }
    store_.LoadTotals(keys);
    LoadKeyDays();
}

void TPlayerProgress::LoadKeyDays()
{
    TKeyDays days;
    if (store_.ReadKeyDays(static_cast<int>(std::floor(Now())) - kKeyDaysKept + 1, days))
        keyDays_ = std::move(days);
}

void TPlayerProgress::Record(const TGameRecord& record)
{
    if (!store_.IsOpen())
        return;
    if (store_.Moved()) {
        // The file was removed or replaced while the program ran: what this run holds goes into the
        // file now found there (a new one when there is none), with the game, instead of into the
        // unseen old one.
        const std::string path = store_.Path();
        if (store_.Open() && store_.PutTotals(KeysOrNone(keys_), keyDays_))
            LogError(TProgressStore::kErrorCode,
                     "progress database " + path +
                         " was removed or replaced while the program ran; a new one "
                         "was started with the progress held in memory");
        else if (store_.IsOpen())
            LogError(TProgressStore::kErrorCode,
                     "progress database " + path +
                         " was replaced while the program ran; the games go on into "
                         "the file now there");
        else
            LogError(TProgressStore::kErrorCode,
                     "progress database " + path +
                         " was removed while the program ran and no new one can be "
                         "made: " +
                         store_.Problem);
    }
    if (!store_.IsOpen())
        return;
    AddToDay(keyDays_, static_cast<int>(std::floor(Now())), record.KeyRecord);
    if (!store_.RecordGame(record, DateTimeText(Now()), keys_))
        LogError(TProgressStore::kErrorCode,
                 "a finished game could not be added to the progress: " + store_.Problem);
}

std::string TPlayerProgress::Notice()
{
    if (!Kept())
        return kProgressNotKept;
    // The notice names keys and scores only: the keyboard layout is asked for by the view alone.
    TProgressData data = CollectProgress(&store_, KeysOrNone(keys_), keyDays_, Now());
    // A damaged file set aside is told once.
    if (store_.SetAsideName != toldSetAside_) {
        data.SetAsideName = store_.SetAsideName;
        toldSetAside_ = store_.SetAsideName;
    }
    return ProgressNotice(data);
}

TProgressData TPlayerProgress::Collect()
{
    TProgressData data = CollectProgress(&store_, KeysOrNone(keys_), keyDays_, Now());
    const std::string layout = XKeyboardLayout();
    if (layout == "de" || layout == "fr")
        data.Layout = layout;
    return data;
}

std::string TPlayerProgress::PracticeKeys() const
{
    return PracticeKeySet(RankKeys(keyDays_, static_cast<int>(std::floor(Now()))), KeysOrNone(keys_));
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
    return ::PracticeWords(RankKeys(keyDays_, static_cast<int>(std::floor(Now()))), KeysOrNone(keys_),
                           candidates);
}

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
}

void TPlayerProgress::Record(const TGameRecord& record)
{
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
    return ProgressNotice(CollectProgress(&store_, KeysOrNone(keys_), keyDays_, Now()));
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

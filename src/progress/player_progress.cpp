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
    if (!store_.RecordGame(record, DateTimeText(Now()), keys_))
        LogError(TProgressStore::kErrorCode,
                 "a finished game could not be added to the progress: " + store_.Problem);
}

std::string TPlayerProgress::Notice()
{
    if (!Kept())
        return kProgressNotKept;
    // The notice names keys and scores only: the keyboard layout is asked for by the view alone.
    return ProgressNotice(CollectProgress(&store_, KeysOrNone(keys_), Now()));
}

TProgressData TPlayerProgress::Collect()
{
    TProgressData data = CollectProgress(&store_, KeysOrNone(keys_), Now());
    const std::string layout = XKeyboardLayout();
    if (layout == "de" || layout == "fr")
        data.Layout = layout;
    return data;
}

std::string TPlayerProgress::PracticeKeys() const
{
    return PracticeKeySet(KeysOrNone(keys_));
}

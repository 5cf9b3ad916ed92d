#include "player_progress.h"

#include "errors.h"
#include "keyboard_layout.h"
#include "practice_keys.h"
#include "system.h"

#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcProgress, "keyvane.progress")

constexpr std::int32_t kDatabaseError = -1505;

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
        LogError(kDatabaseError, "a finished game could not be added to the progress: " + store_.Problem);
}

std::string TPlayerProgress::Notice()
{
    if (!Kept())
        return kProgressNotKept;
    return ProgressNotice(Collect());
}

TProgressData TPlayerProgress::Collect()
{
    static const TDifficultKeys none;
    TProgressData data = CollectProgress(&store_, keys_ ? *keys_ : none, Now());
    const std::string layout = XKeyboardLayout();
    if (layout == "de" || layout == "fr")
        data.Layout = layout;
    return data;
}

std::string TPlayerProgress::PracticeKeys() const
{
    static const TDifficultKeys none;
    return PracticeKeySet(keys_ ? *keys_ : none);
}

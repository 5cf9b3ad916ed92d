#include "game_record.h"

namespace {

TGameRecordSink& Sink()
{
    static TGameRecordSink sink;
    return sink;
}

} // namespace

void TakeRecentKeys(const TDifficultKeys& keys, TGameRecord& record)
{
    record.Keystrokes = 0;
    record.Errors = 0;
    for (int code = TDifficultKeys::TCharCounts::kFirst; code <= 255; ++code) {
        const auto ch = static_cast<unsigned char>(code);
        record.Hits[ch] = keys.RecentHits[ch];
        record.KeyErrors[ch] = keys.RecentErrors[ch];
        record.Keystrokes += keys.RecentHits[ch];
        record.Errors += keys.RecentErrors[ch];
    }
}

void SetGameRecordSink(TGameRecordSink sink)
{
    Sink() = std::move(sink);
}

void RecordFinishedGame(const TGameRecord& record)
{
    if (Sink())
        Sink()(record);
}

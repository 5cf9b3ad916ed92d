#include "game_record.h"

#include "custom_game_event.h"
#include "games_stg.h"
#include "games_view.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

TGameRecordSink& Sink()
{
    static TGameRecordSink sink;
    return sink;
}

} // namespace

TGameRecord MakeGameRecord(const TCustomGameEvent& game, const std::string& name, const std::string& choice,
                           float level, const TKeyRecord& keys)
{
    TGameRecord record;
    record.Game = name;
    record.Choice = choice;
    record.Score = game.Score;
    // The clock shows clock seconds of 0.864 s; it stops with the game, before "Game over." waits.
    constexpr double kSecondsPerClockSecond = 86400.0 / 100000.0;
    record.Seconds = std::max(0, game.ShownSeconds) * kSecondsPerClockSecond;
    record.Level = level;
    TakeRecentKeys(*EnsureDifficultKeys(), record);
    record.KeyRecord = keys;
    return record;
}

std::string BubblesKeySetName(const std::string& keySet)
{
    for (int i = 0; i < 3; ++i)
        if (keySet == kBubblesKeySets[i])
            return kBubblesKeySetCaptions[i];
    return DifficultKeysCaption(keySet);
}

std::string VocabularyTitle(const std::string& file)
{
    constexpr std::string_view kExtension = ".vcb";
    if (file.size() >= kExtension.size() &&
        std::equal(kExtension.begin(), kExtension.end(), file.end() - long(kExtension.size()),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); }))
        return file.substr(0, file.size() - kExtension.size());
    return file;
}

std::string VocabularyTitle(const TCustomGameEvent& game)
{
    return game.WordsGiven ? kDifficultWordsItem : VocabularyTitle(game.VocabularyFile);
}

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

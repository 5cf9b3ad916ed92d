#include "progress_commands.h"

#include "code_page.h"
#include "files_commands.h"
#include "key_ranking.h"
#include "player_progress.h"
#include "progress_store.h"
#include "system.h"
#include "translation.h"
#include "user_folder.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Opens the player's store for reading; kExitOk when there is something to read.
int OpenStore(TProgressStore& store, const std::vector<std::string>& args, const char* command,
              std::ostream& err)
{
    if (!args.empty())
        return UsageError(err, command,
                          FillArgs(TrUtf8("keyvane-files", "%1 takes no arguments"), {command}));
    switch (store.OpenForReading()) {
    case TProgressStore::TReadState::Ok:
        return kExitOk;
    case TProgressStore::TReadState::Missing:
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "no progress stored yet (%1 does not exist)"),
                                  {store.Path()}));
    default:
        return Fail(
            err, FillArgs(TrUtf8("keyvane-files", "%1 cannot be read: %2"), {store.Path(), store.Detail()}));
    }
}

std::string Decimal(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

// A text of the history as one field: tabs and line breaks would split the row.
std::string Field(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

// The key record's columns of ch over days: error rate (%), ms per right keystroke, the character
// typed instead most often and how often; "-" where there is nothing to show.
std::string KeyRecordColumns(const TKeyDays& days, unsigned char ch)
{
    TKeyTally sum;
    for (const TKeyDay& d : days)
        sum.Add(d.Keys[ch]);
    if (sum.Keystrokes <= 0)
        return "\t-\t-\t-";
    const TKeyTally::TConfusion most = sum.MostConfused();
    return '\t' + Decimal(100.0 * sum.Errors / sum.Keystrokes) + '\t' +
           (sum.TimedStrokes > 0 ? std::to_string(std::llround(double(sum.TimedMs) / sum.TimedStrokes))
                                 : "-") +
           '\t' +
           (most.Count > 0 ? FromCp1252(KeyName(most.Typed, false)).toUtf8().toStdString() + ' ' +
                                 std::to_string(most.Count)
                           : "-");
}

// A whole number from 1 to most; 0 for any other text.
long Count(const std::string& text, long most)
{
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    return text.empty() || *end != '\0' || n < 1 || n > most ? 0 : n;
}

// The n hardest keys of the key record, ranked as the menu's notice and the practice keys rank them
// (over the days the program weighs), one a line: the character and its difficulty.
int PrintHardest(long n, std::ostream& out, std::ostream& err)
{
    TProgressStore store(UserStateFolder());
    if (const int rc = OpenStore(store, {}, "progress", err); rc != kExitOk)
        return rc;
    const int today = static_cast<int>(std::floor(Now()));
    TKeyDays days;
    if (!store.ReadKeyDays(today - TPlayerProgress::kKeyDaysKept + 1, days))
        return Fail(
            err, FillArgs(TrUtf8("keyvane-files", "%1 cannot be read: %2"), {store.Path(), store.Detail()}));
    const std::vector<TKeyStanding> ranking = RankKeys(days, today);
    if (ranking.empty())
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "no keys typed in the last %1 days in %2"),
                                  {std::to_string(TPlayerProgress::kKeyDaysKept), store.Path()}));
    for (std::size_t i = 0; i < ranking.size() && i < std::size_t(n); ++i)
        out << Cp1252ToUtf8(std::string(1, static_cast<char>(ranking[i].Ch))) << '\t'
            << Decimal(ranking[i].Difficulty) << '\n';
    return kExitOk;
}

} // namespace

int RunProgress(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> rest = args;
    if (!rest.empty() && rest[0] == "--hardest") {
        const long n = rest.size() == 2 ? Count(rest[1], 1000) : 0;
        if (n == 0) {
            err << "keyvane-files: "
                << TrUtf8("keyvane-files", "progress --hardest takes a number of keys from 1 to 1000")
                << '\n';
            return kExitUsage;
        }
        return PrintHardest(n, out, err);
    }
    // --days N: the key record's columns count the last N days only.
    int firstDay = 0;
    if (rest.size() == 2 && rest[0] == "--days") {
        const long n = Count(rest[1], 100000);
        if (n == 0) {
            err << "keyvane-files: "
                << TrUtf8("keyvane-files", "progress --days takes a number of days from 1 to 100000") << '\n';
            return kExitUsage;
        }
        firstDay = static_cast<int>(std::floor(Now())) - static_cast<int>(n) + 1;
        rest.clear();
    }
    TProgressStore store(UserStateFolder());
    if (const int rc = OpenStore(store, rest, "progress", err); rc != kExitOk)
        return rc;
    TDifficultKeys keys;
    if (!store.LoadTotals(keys))
        return Fail(
            err, FillArgs(TrUtf8("keyvane-files", "%1 cannot be read: %2"), {store.Path(), store.Detail()}));
    TKeyDays days;
    if (!store.ReadKeyDays(firstDay, days))
        return Fail(
            err, FillArgs(TrUtf8("keyvane-files", "%1 cannot be read: %2"), {store.Path(), store.Detail()}));
    std::string rows;
    for (int code = TDifficultKeys::TCharCounts::kFirst; code <= 255; ++code) {
        const auto ch = static_cast<unsigned char>(code);
        bool recorded = false;
        for (const TKeyDay& d : days)
            recorded = recorded || d.Keys[ch].Keystrokes > 0;
        if (keys.TotalHits[ch] <= 0 && !recorded)
            continue;
        rows += Cp1252ToUtf8(std::string(1, static_cast<char>(ch))) + '\t' +
                std::to_string(keys.TotalHits[ch]) + '\t' + std::to_string(keys.TotalErrors[ch]) + '\t' +
                Decimal(keys.KeyDifficulty(ch)) + KeyRecordColumns(days, ch) + '\n';
    }
    if (rows.empty())
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "no progress stored yet (no keystrokes in %1)"),
                                  {store.Path()}));
    out << rows;
    return kExitOk;
}

int RunHistory(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TProgressStore store(UserStateFolder());
    if (const int rc = OpenStore(store, args, "history", err); rc != kExitOk)
        return rc;
    std::vector<THistoryRow> rows;
    // A read error is no empty history: it ends the command as a failure, in SQLite's words.
    if (!store.History(rows))
        return Fail(
            err, FillArgs(TrUtf8("keyvane-files", "%1 cannot be read: %2"), {store.Path(), store.Detail()}));
    if (rows.empty())
        return Fail(err, FillArgs(TrUtf8("keyvane-files", "no games stored yet in %1"), {store.Path()}));
    for (const THistoryRow& r : rows)
        out << r.PlayedAt << '\t' << Field(r.Game) << '\t' << Field(r.Choice) << '\t' << r.Score << '\t'
            << Decimal(r.Seconds) << '\t' << r.Keystrokes << '\t' << r.Errors << '\t' << Decimal(r.Level)
            << '\n';
    return kExitOk;
}

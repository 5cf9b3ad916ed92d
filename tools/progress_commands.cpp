#include "progress_commands.h"

#include "code_page.h"
#include "files_commands.h"
#include "key_ranking.h"
#include "progress_store.h"
#include "system.h"
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
        return UsageError(err, command, std::string(command) + " takes no arguments");
    switch (store.OpenForReading()) {
    case TProgressStore::TReadState::Ok:
        return kExitOk;
    case TProgressStore::TReadState::Missing:
        return Fail(err, "no progress stored yet (" + store.Path() + " does not exist)");
    default:
        return Fail(err, store.Path() + " cannot be read: " + store.Detail());
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
           (most.Count > 0
                ? FromCp1252(KeyName(most.Typed)).toUtf8().toStdString() + ' ' + std::to_string(most.Count)
                : "-");
}

} // namespace

int RunProgress(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    // --days N: the key record's columns count the last N days only.
    std::vector<std::string> rest = args;
    int firstDay = 0;
    if (rest.size() == 2 && rest[0] == "--days") {
        char* end = nullptr;
        const long n = std::strtol(rest[1].c_str(), &end, 10);
        if (rest[1].empty() || *end != '\0' || n < 1 || n > 100000) {
            err << "keyvane-files: progress --days takes a number of days from 1 to 100000\n";
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
        return Fail(err, store.Path() + " cannot be read: " + store.Detail());
    TKeyDays days;
    if (!store.ReadKeyDays(firstDay, days))
        return Fail(err, store.Path() + " cannot be read: " + store.Detail());
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
        return Fail(err, "no progress stored yet (no keystrokes in " + store.Path() + ")");
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
        return Fail(err, store.Path() + " cannot be read: " + store.Detail());
    if (rows.empty())
        return Fail(err, "no games stored yet in " + store.Path());
    for (const THistoryRow& r : rows)
        out << r.PlayedAt << '\t' << Field(r.Game) << '\t' << Field(r.Choice) << '\t' << r.Score << '\t'
            << Decimal(r.Seconds) << '\t' << r.Keystrokes << '\t' << r.Errors << '\t' << Decimal(r.Level)
            << '\n';
    return kExitOk;
}

#include "progress_commands.h"

#include "code_page.h"
#include "files_commands.h"
#include "progress_store.h"
#include "user_folder.h"

#include <cstdio>

namespace {

int Fail(std::ostream& err, const std::string& message)
{
    err << "keyvane-files: " << message << '\n';
    return kExitFailed;
}

// Opens the player's store for reading; kExitOk when there is something to read.
int OpenStore(TProgressStore& store, const std::vector<std::string>& args, const char* command,
              std::ostream& err)
{
    if (!args.empty()) {
        err << "keyvane-files: " << command << " takes no arguments\n";
        return kExitUsage;
    }
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

} // namespace

int RunProgress(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TProgressStore store(UserStateFolder());
    if (const int rc = OpenStore(store, args, "progress", err); rc != kExitOk)
        return rc;
    TDifficultKeys keys;
    if (!store.LoadTotals(keys))
        return Fail(err, store.Path() + " cannot be read: " + store.Detail());
    std::string rows;
    for (int code = TDifficultKeys::TCharCounts::kFirst; code <= 255; ++code) {
        const auto ch = static_cast<unsigned char>(code);
        if (keys.TotalHits[ch] <= 0)
            continue;
        rows += FromCp1252(std::string(1, static_cast<char>(ch))).toUtf8().toStdString() + '\t' +
                std::to_string(keys.TotalHits[ch]) + '\t' + std::to_string(keys.TotalErrors[ch]) + '\t' +
                Decimal(keys.KeyDifficulty(ch)) + '\n';
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

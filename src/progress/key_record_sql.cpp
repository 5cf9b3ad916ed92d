#include "key_record_sql.h"

#include "day_count.h"
#include "sqlite_statement.h"

#include <QDate>
#include <algorithm>
#include <sqlite3.h>

namespace KeyRecordSql {

namespace {

constexpr const char* kTables = R"(
CREATE TABLE IF NOT EXISTS key_days (
  day TEXT NOT NULL,
  code INTEGER NOT NULL CHECK (code BETWEEN 33 AND 255),
  keystrokes INTEGER NOT NULL,
  errors INTEGER NOT NULL,
  timed INTEGER NOT NULL,
  timed_ms INTEGER NOT NULL,
  PRIMARY KEY (day, code)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS key_confusions (
  day TEXT NOT NULL,
  code INTEGER NOT NULL CHECK (code BETWEEN 33 AND 255),
  typed INTEGER NOT NULL CHECK (typed BETWEEN 0 AND 255),
  times INTEGER NOT NULL,
  PRIMARY KEY (day, code, typed)) WITHOUT ROWID;
)";

// Counts read back are kept within 2^24, as the store keeps the statistics' counts: a hand-edited file
// cannot make the sums over days overflow.
std::int32_t Count(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, std::int64_t{1} << 24));
}

TKeyRecord& DayRecord(TKeyDays& days, int day)
{
    if (days.empty() || days.back().Day != day)
        days.push_back(TKeyDay{day, {}});
    return days.back().Keys;
}

} // namespace

std::string DayText(int day)
{
    return DayZero().addDays(day).toString("yyyy-MM-dd").toStdString();
}

int DayOf(const std::string& text)
{
    // Read by hand: the key record reads thousands of these, and parsing a date by a format is slow.
    auto digits = [&text](std::size_t from, std::size_t count) {
        int v = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return -1;
            v = v * 10 + (text[i] - '0');
        }
        return v;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return -1;
    const QDate date(digits(0, 4), digits(5, 2), digits(8, 2));
    return date.isValid() ? static_cast<int>(DayZero().daysTo(date)) : -1;
}

int CreateTables(sqlite3* db)
{
    return Sql::Exec(db, kTables);
}

int AddDay(sqlite3* db, int day, const TKeyRecord& keys)
{
    const std::string dayText = DayText(day);
    Sql::TStatement counts(db, "INSERT INTO key_days (day, code, keystrokes, errors, timed, timed_ms) "
                               "VALUES (?1, ?2, ?3, ?4, ?5, ?6) ON CONFLICT (day, code) DO UPDATE SET "
                               "keystrokes = keystrokes + ?3, errors = errors + ?4, timed = timed + ?5, "
                               "timed_ms = timed_ms + ?6");
    Sql::TStatement confusions(db,
                               "INSERT INTO key_confusions (day, code, typed, times) VALUES (?1, ?2, ?3, ?4) "
                               "ON CONFLICT (day, code, typed) DO UPDATE SET times = times + ?4");
    for (int code = TKeyRecord::kFirst; code <= 255; ++code) {
        const TKeyTally& t = keys[static_cast<unsigned char>(code)];
        if (t.Keystrokes <= 0)
            continue;
        counts.Bind(1, dayText);
        counts.Bind(2, std::int64_t{code});
        counts.Bind(3, std::int64_t{t.Keystrokes});
        counts.Bind(4, std::int64_t{t.Errors});
        counts.Bind(5, std::int64_t{t.TimedStrokes});
        counts.Bind(6, std::int64_t{t.TimedMs});
        int rc = counts.Step();
        counts.Reset();
        if (rc != SQLITE_DONE)
            return rc;
        for (const TKeyTally::TConfusion& c : t.Confusions) {
            confusions.Bind(1, dayText);
            confusions.Bind(2, std::int64_t{code});
            confusions.Bind(3, std::int64_t{c.Typed});
            confusions.Bind(4, std::int64_t{c.Count});
            rc = confusions.Step();
            confusions.Reset();
            if (rc != SQLITE_DONE)
                return rc;
        }
    }
    return SQLITE_DONE;
}

int ReadDays(sqlite3* db, int fromDay, TKeyDays& days)
{
    TKeyDays read;
    // Room for every day asked for at once: a day's record is large to move.
    Sql::TStatement count(db, "SELECT count(DISTINCT day) FROM key_days WHERE day >= ?");
    const std::string from = DayText(fromDay);
    count.Bind(1, from);
    if (count.Step() == SQLITE_ROW)
        read.reserve(std::size_t(std::clamp<std::int64_t>(count.Int(0), 0, 100000)));
    // The rows come day by day: each day's text is read once.
    std::string lastText;
    int lastDay = -1;
    auto dayOf = [&](const std::string& text) {
        if (text != lastText) {
            lastText = text;
            lastDay = DayOf(text);
        }
        return lastDay;
    };
    Sql::TStatement counts(db, "SELECT day, code, keystrokes, errors, timed, timed_ms FROM key_days "
                               "WHERE day >= ? ORDER BY day");
    counts.Bind(1, from);
    int rc;
    while ((rc = counts.Step()) == SQLITE_ROW) {
        const int day = dayOf(counts.Text(0));
        const std::int64_t code = counts.Int(1);
        if (day < 0 || code < TKeyRecord::kFirst || code > 255)
            continue;
        TKeyTally& t = DayRecord(read, day)[static_cast<unsigned char>(code)];
        t.Keystrokes = Count(counts.Int(2));
        t.Errors = std::min(Count(counts.Int(3)), t.Keystrokes);
        t.TimedStrokes = std::min(Count(counts.Int(4)), t.Keystrokes);
        t.TimedMs = std::clamp<std::int64_t>(counts.Int(5), 0, std::int64_t{t.TimedStrokes} * 2000);
    }
    if (rc != SQLITE_DONE)
        return rc;
    Sql::TStatement confusions(db, "SELECT day, code, typed, times FROM key_confusions WHERE day >= ? "
                                   "ORDER BY day");
    confusions.Bind(1, from);
    while ((rc = confusions.Step()) == SQLITE_ROW) {
        const int day = dayOf(confusions.Text(0));
        const std::int64_t code = confusions.Int(1);
        const std::int64_t typed = confusions.Int(2);
        const auto at = std::lower_bound(read.begin(), read.end(), day,
                                         [](const TKeyDay& d, int v) { return d.Day < v; });
        if (at == read.end() || at->Day != day || code < TKeyRecord::kFirst || code > 255 || typed < 0 ||
            typed > 255)
            continue;
        at->Keys[static_cast<unsigned char>(code)].Confuse(static_cast<unsigned char>(typed),
                                                           Count(confusions.Int(3)));
    }
    if (rc != SQLITE_DONE)
        return rc;
    days = std::move(read);
    return SQLITE_DONE;
}

} // namespace KeyRecordSql

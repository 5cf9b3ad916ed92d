#pragma once
#include "key_ranking.h"

#include <string>

struct sqlite3;

// The player's key record in the progress database: one row per day and character with its counts,
// and one per day, character and character typed instead. Version 2 of the schema added these two
// tables; a database of version 1 gains them, empty, and keeps everything it held.
namespace KeyRecordSql {

// Makes both tables when they are missing. SQLite's result code.
int CreateTables(sqlite3* db);
// Adds keys to the counts of day (inside the caller's transaction). SQLite's result code.
int AddDay(sqlite3* db, int day, const TKeyRecord& keys);
// Reads the days from fromDay on, oldest first. SQLITE_DONE when all were read.
int ReadDays(sqlite3* db, int fromDay, TKeyDays& days);

// A day of the platform clock as "YYYY-MM-DD", and back; -1 for a text that is no date.
std::string DayText(int day);
int DayOf(const std::string& text);

} // namespace KeyRecordSql

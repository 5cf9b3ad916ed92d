#pragma once
#include <QDate>

// The platform clock counts local days since 1899-12-30 (Now(): the fraction is the time of day).
// The games' clock rules, the dates of the score tables and the days of the player's progress all
// count from this one day.
inline QDate DayZero()
{
    return QDate(1899, 12, 30);
}

// 1970-01-01, the start of the system's own clock, in that count.
inline constexpr double kUnixEpochDay = 25569.0;

#include "errors.h"

#include "file_system.h"
#include "short_string.h"
#include "system.h"
#include "text_file.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace {

struct TErrorEntry {
    std::int32_t code;
    const char* text;
};

// The texts are exact, spaces at their ends included: the -801 text ends with one and the -802
// text starts with one.
constexpr std::array<TErrorEntry, 33> kErrorTable{{
    {0, "(0)"},
    {-1, "File not found"},
    {-2, "File open failed"},
    {-3, "File already open"},
    {-4, "out of memory for file"},
    {-5, "File write error"},
    {-6, "File close failed / write failed"},
    {-10, "out of file request"},
    {-11, "textfile field error"},
    {-88, "textfile row over 255 char"},
    {-89, "wrong file version"},
    {-500, "Error in Main-procedure"},
    {-501, "Error in Event"},
    {-801, "Time out while opening for exclusive write mode "},
    {-802, " Time out while opening for write-denied read mode"},
    {-901, "Database files not found"},
    {-910, "Username already exists, new was not be created"},
    {-1001, "User bookmark vs. Chapter data overflow"},
    {-1052, "Contents detected error"},
    {-1095, "Contents file description invalid"},
    {-1202, "User bookmark vs. exercise data overflow"},
    {-1505, "Cannot open User database"},
    {-1517, "Warning: Wrong Userbase file version, size mitsmatch"},
    {-2532, "Problems with network features"},
    {-3321, "Problems in Difficult Keys event"},
    {-5452, "WWW-browser/email software is not properly installed or file extension launch error"},
    {-5633, "Fatal Contents Error; Program halted"},
    {-5733, "Fatal Introduction file error"},
    {-6123, "Contents file(s) *.CNT not available, program halted"},
    {-6633, "Error when renaming default userbase to:"},
    {-6634, "Error when copying default userbase to:"},
    {-6635, "Error when setting default attributes to:"},
    {-9977, "Windows is currently using Large Fonts setting. Norvik Software requires small fonts."},
}};

constexpr const char* kSupportAddress = "support@keyvane-games.example";
constexpr int kSeparatorWidth = 58;

// The time of day of a date-time (days since 1899-12-30) as HH:MM:SS.
std::string TimeOfDayText(double dateTime)
{
    constexpr long long kSecondsPerDay = 24 * 60 * 60;
    const double fraction = dateTime - std::floor(dateTime);
    // Whole seconds, counted from milliseconds so that 12:00:00 stored as 11:59:59.9999 reads 12:00:00.
    const long long ms = std::llround(fraction * kSecondsPerDay * 1000.0);
    const long long s = (ms / 1000) % kSecondsPerDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    return text;
}

// "#" and the code. Built by appending: GCC 12 warns falsely (-Wrestrict) about "#" + std::to_string(code).
std::string CodeText(std::int32_t code)
{
    std::string text = "#";
    text += std::to_string(code);
    return text;
}

std::string BoxText(std::int32_t code, const std::string& detail)
{
    // Line feed then carriage return, in that order, between the message and the detail.
    return CodeText(code) + " " + ErrorText(code) + "\n\r" + detail;
}

// Every line goes out as a short string: WriteLine cuts it at 255 characters.
void AppendToLog(const std::string& time, std::int32_t code, const std::string& detailLine)
{
    TTextFile log;
    if (FileSystem::FileExists(kErrorLogName)) {
        log.OpenFile(kErrorLogName, 3);
    } else if (log.OpenFile(kErrorLogName, 2) == 1) {
        log.WriteLine(std::string("Keyvane ") + KV_VERSION_TEXT + " error file.  ");
        log.WriteLine(std::string("Please send this file to author: ") + kSupportAddress + "! ");
    }
    // Failures of the log itself stay silent: the player has seen the box already.
    if (log.Status != 1)
        return;
    log.WriteLine(std::string(kSeparatorWidth, '-'));
    log.WriteLine(time + " Build " + KV_BUILD_TEXT + " (" + KV_BUILD_NOTE + ") compiled " + KV_BUILD_DATE);
    log.WriteLine(CodeText(code) + "  " + ErrorText(code));
    log.WriteLine(detailLine);
}

int Report(std::int32_t code, const std::string& boxDetail, const std::string& logDetail)
{
    const std::string time = TimeOfDayText(Now());
    Platform::Dialogs().Message(BoxText(code, boxDetail), kErrorCaption, TMsgKind::Error);
    AppendToLog(time, code, " - " + logDetail);
    return 0;
}

} // namespace

std::string ErrorText(std::int32_t Code)
{
    for (const TErrorEntry& e : kErrorTable)
        if (e.code == Code)
            return e.text;
    return "Unknown error " + std::to_string(Code);
}

int ReportError(std::int32_t Code, const std::string& Detail)
{
    const std::string detail = ShortString(Detail);
    return Report(Code, detail, detail);
}

int ReportErrorPair(std::int32_t Code, std::int32_t Code2)
{
    const std::string message2 = ErrorText(Code2);
    return Report(Code, message2, message2 + " = " + std::to_string(Code2));
}

void LogError(std::int32_t Code, const std::string& Detail)
{
    AppendToLog(TimeOfDayText(Now()), Code, " - " + ShortString(Detail));
}

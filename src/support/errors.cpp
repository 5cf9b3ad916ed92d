#include "errors.h"

#include "file_system.h"
#include "short_string.h"
#include "system.h"
#include "text_file.h"
#include "translation.h"

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
    {-1, QT_TRANSLATE_NOOP("Errors", "File not found")},
    {-2, QT_TRANSLATE_NOOP("Errors", "File open failed")},
    {-3, QT_TRANSLATE_NOOP("Errors", "File already open")},
    {-4, QT_TRANSLATE_NOOP("Errors", "out of memory for file")},
    {-5, QT_TRANSLATE_NOOP("Errors", "File write error")},
    {-6, QT_TRANSLATE_NOOP("Errors", "File close failed / write failed")},
    {-10, QT_TRANSLATE_NOOP("Errors", "out of file request")},
    {-11, QT_TRANSLATE_NOOP("Errors", "textfile field error")},
    {-88, QT_TRANSLATE_NOOP("Errors", "textfile row over 255 char")},
    {-89, QT_TRANSLATE_NOOP("Errors", "wrong file version")},
    {-500, QT_TRANSLATE_NOOP("Errors", "Error in Main-procedure")},
    {-501, QT_TRANSLATE_NOOP("Errors", "Error in Event")},
    {-801, QT_TRANSLATE_NOOP("Errors", "Time out while opening for exclusive write mode ")},
    {-802, QT_TRANSLATE_NOOP("Errors", " Time out while opening for write-denied read mode")},
    {-901, QT_TRANSLATE_NOOP("Errors", "Database files not found")},
    {-910, QT_TRANSLATE_NOOP("Errors", "Username already exists, new was not be created")},
    {-1001, QT_TRANSLATE_NOOP("Errors", "User bookmark vs. Chapter data overflow")},
    {-1052, QT_TRANSLATE_NOOP("Errors", "Contents detected error")},
    {-1095, QT_TRANSLATE_NOOP("Errors", "Contents file description invalid")},
    {-1202, QT_TRANSLATE_NOOP("Errors", "User bookmark vs. exercise data overflow")},
    {-1505, QT_TRANSLATE_NOOP("Errors", "Cannot open User database")},
    {-1517, QT_TRANSLATE_NOOP("Errors", "Warning: Wrong Userbase file version, size mitsmatch")},
    {-2532, QT_TRANSLATE_NOOP("Errors", "Problems with network features")},
    {-3321, QT_TRANSLATE_NOOP("Errors", "Problems in Difficult Keys event")},
    {-5452,
     QT_TRANSLATE_NOOP(
         "Errors", "WWW-browser/email software is not properly installed or file extension launch error")},
    {-5633, QT_TRANSLATE_NOOP("Errors", "Fatal Contents Error; Program halted")},
    {-5733, QT_TRANSLATE_NOOP("Errors", "Fatal Introduction file error")},
    {-6123, QT_TRANSLATE_NOOP("Errors", "Contents file(s) *.CNT not available, program halted")},
    {-6633, QT_TRANSLATE_NOOP("Errors", "Error when renaming default userbase to:")},
    {-6634, QT_TRANSLATE_NOOP("Errors", "Error when copying default userbase to:")},
    {-6635, QT_TRANSLATE_NOOP("Errors", "Error when setting default attributes to:")},
    {-9977,
     QT_TRANSLATE_NOOP(
         "Errors", "Windows is currently using Large Fonts setting. Norvik Software requires small fonts.")},
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

// "#" and the code.
std::string CodeText(std::int32_t code)
{
    return "#" + std::to_string(code);
}

// The message of a code as the box shows it, in the player's language.
std::string ShownErrorText(std::int32_t code)
{
    for (const TErrorEntry& e : kErrorTable)
        if (e.code == code)
            return Tr("Errors", e.text);
    return FillArgs(Tr("Errors", "Unknown error %1"), {std::to_string(code)});
}

std::string BoxText(std::int32_t code, const std::string& detail)
{
    // Line feed then carriage return, in that order, between the message and the detail.
    return CodeText(code) + " " + ShownErrorText(code) + "\n\r" + detail;
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
    return Report(Code, ShownErrorText(Code2), message2 + " = " + std::to_string(Code2));
}

int ReportFileError(std::int32_t Code, const std::string& Name, const char* Context, const char* Text)
{
    return Report(Code, ShortString(Name + Tr(Context, Text)), ShortString(Name + Text));
}

void LogError(std::int32_t Code, const std::string& Detail)
{
    AppendToLog(TimeOfDayText(Now()), Code, " - " + ShortString(Detail));
}

#pragma once
#include <cstdint>
#include <string>

// Errors the program cannot handle quietly are reported in one way: a message box with the code,
// its message and a detail line, then an entry appended to "Errors.log" in the current folder. The
// box speaks the player's language; the log is always English, whatever the language of the copy
// that wrote it.
// Reporting never stops the program; it returns to the caller, which carries on.

// The message of an error code; a code without one gives "Unknown error " and the code.
std::string ErrorText(std::int32_t Code);

// Shows the box with Detail (cut to 255 characters) under the message and logs it. Always 0.
int ReportError(std::int32_t Code, const std::string& Detail);

// As ReportError, with the message of Code2 as the detail; the log adds " = " and Code2.
int ReportErrorPair(std::int32_t Code, std::int32_t Code2);

// As ReportError with the detail Name + Text, where Text is a text of the program's own (marked for
// translation under Context): the box shows it in the player's language, Errors.log in English.
int ReportFileError(std::int32_t Code, const std::string& Name, const char* Context, const char* Text);

// Appends the entry of Code with Detail to "Errors.log" without a message box, for a trouble the
// program has already got round (a damaged statistics file set aside) that must not interrupt play.
void LogError(std::int32_t Code, const std::string& Detail);

// The name of the error log and the caption of the error box.
inline constexpr const char* kErrorLogName = "Errors.log";
inline constexpr const char* kErrorCaption = "Keyvane's Games!";

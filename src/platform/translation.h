#pragma once
#include <QLocale>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// The player's language. The program's own texts (captions, messages, help lines) are English source
// texts marked for Qt's translation tools; they are translated where they reach the screen, never
// where they reach a file, so score tables, Errors.log and the progress store read the same whatever
// the language of the copy that wrote them.

// Reads one environment variable; an unset variable reads as empty.
using TEnvLookup = std::function<std::string(const char* name)>;

// The language to show, as a lower-case two-letter code ("de"), or "en" for the source texts. The
// locale is the first of LC_ALL, LC_MESSAGES and LANG that is set; when none is, or it is "C" or
// "POSIX", the texts are English. Otherwise (C.UTF-8 too, as the C library's message catalogues read
// it) the entries of LANGUAGE (a colon-separated list of preferences) are tried in order, then the
// locale's own language; the first that is English or one of available wins. Anything else is English.
std::string ChooseLanguage(const TEnvLookup& env, const std::vector<std::string>& available);

// The languages the program carries translations for.
std::vector<std::string> AvailableLanguages();

// Loads the program's translation of language and Qt's own (the buttons of message boxes, the
// context menu of a text box) into the application, in place of any installed before. English loads
// nothing. Returns false, leaving English, when the program has no translation of it.
bool InstallTranslations(const std::string& language);

// The locale of the language installed (dates such as "3 Dec" on the progress page); the C locale
// for English, so that an untranslated language shows exactly the English program.
QLocale PlayerLocale();
// The language installed, as a two-letter code; "en" when none is.
std::string PlayerLanguage();

// Chooses from the process environment and installs; returns the language chosen.
std::string InstallPlayerLanguage();

// A source text of the program in the player's language. The Windows-1252 form is for texts that go
// on into the program's own strings (the labels take that code page); a text the translation leaves
// as it is comes back as the very bytes given.
QString TrQ(const char* context, const char* source);
std::string Tr(const char* context, const char* source);
// The same for a terminal, in UTF-8.
std::string TrUtf8(const char* context, const char* source);

// A text that counts: source holds %n, which becomes n, and each language (English too) gives the
// forms its plurals take ("%n word(s)": "1 word", "2 words"). The same two encodings as above. The
// arguments are QCoreApplication::translate's, so the translation tools read them as they read it.
std::string TrN(const char* context, const char* source, const char* disambiguation, int n);
std::string TrUtf8N(const char* context, const char* source, const char* disambiguation, int n);

// A translated text with its places %1, %2 ... %9 filled in with args, in one pass: an argument that
// itself holds "%2" stays as it is. Text and arguments in the same encoding.
std::string FillArgs(const std::string& text, std::initializer_list<std::string> args);

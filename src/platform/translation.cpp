#include "translation.h"

#include "code_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

// The language part of a locale name: "de_DE.UTF-8@euro" -> "de".
std::string LanguageOf(const std::string& locale)
{
    std::string language;
    for (char c : locale) {
        if (!std::isalpha(static_cast<unsigned char>(c)))
            break;
        language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return language;
}

QLocale& InstalledLocale()
{
    static QLocale locale = QLocale::c();
    return locale;
}

std::string& InstalledLanguage()
{
    static std::string language = "en";
    return language;
}

// The locales in which the C library's message catalogues ignore LANGUAGE: plain "C" and "POSIX"
// only. C.UTF-8, Debian's default in containers and small installations, takes LANGUAGE.
bool IsPlainLocale(const std::string& locale)
{
    return locale == "C" || locale == "POSIX";
}

} // namespace

std::string ChooseLanguage(const TEnvLookup& env, const std::vector<std::string>& available)
{
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env(name);
        if (!locale.empty())
            break;
    }
    if (locale.empty() || IsPlainLocale(locale))
        return "en";
    std::vector<std::string> wanted;
    const std::string list = env("LANGUAGE");
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        wanted.push_back(LanguageOf(list.substr(start, end - start)));
        start = end + 1;
    }
    wanted.push_back(LanguageOf(locale));
    for (const std::string& language : wanted) {
        if (language == "en")
            return language;
        if (!language.empty() && std::find(available.begin(), available.end(), language) != available.end())
            return language;
    }
    return "en";
}

std::vector<std::string> AvailableLanguages()
{
    // The compiled translations are resources of the program: ":/i18n/keyvane-games_de.qm" and so on.
    std::vector<std::string> languages;
    const QStringList files =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("keyvane-games_*.qm")});
    for (const QString& file : files)
        if (const std::string language = file.mid(14, file.size() - 14 - 3).toStdString(); language != "en")
            languages.push_back(language); // English's file holds only its plural forms
    return languages;
}

bool InstallTranslations(const std::string& language)
{
    // Both live as long as the process: the application keeps only pointers to them. A language
    // installed before is taken out first, so the checks can try one language after another.
    static QTranslator program;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    InstalledLocale() = QLocale::c();
    InstalledLanguage() = "en";
    if (language == "en") {
        // English is the source texts, but for the forms of the texts that count ("%n word(s)").
        if (program.load(QStringLiteral(":/i18n/keyvane-games_en")))
            QCoreApplication::installTranslator(&program);
        return true;
    }
    const QString name = QString::fromStdString(language);
    if (!program.load(QStringLiteral(":/i18n/keyvane-games_") + name))
        return false;
    QCoreApplication::installTranslator(&program);
    InstalledLocale() = QLocale(name);
    InstalledLanguage() = language;
    // Qt's own texts are a separate package; without it those few texts stay English.
    if (qt.load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}

QLocale PlayerLocale()
{
    return InstalledLocale();
}

std::string PlayerLanguage()
{
    return InstalledLanguage();
}

std::string InstallPlayerLanguage()
{
    const TEnvLookup env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    const std::string language = ChooseLanguage(env, AvailableLanguages());
    return InstallTranslations(language) ? language : "en";
}

QString TrQ(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source);
}

std::string Tr(const char* context, const char* source)
{
    // An untranslated text comes back as its source read as UTF-8; the source's own bytes are the
    // program's text.
    const QString text = QCoreApplication::translate(context, source);
    if (text == QString::fromUtf8(source))
        return source;
    return ToCp1252(text);
}

std::string FillArgs(const std::string& text, std::initializer_list<std::string> args)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size() && n < 9) {
            out += args.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string TrUtf8(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

std::string TrN(const char* context, const char* source, const char* disambiguation, int n)
{
    return ToCp1252(QCoreApplication::translate(context, source, disambiguation, n));
}

std::string TrUtf8N(const char* context, const char* source, const char* disambiguation, int n)
{
    return QCoreApplication::translate(context, source, disambiguation, n).toStdString();
}

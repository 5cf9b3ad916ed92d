#include "translation.h"

#include "scoped_env.h"
#include <gtest/gtest.h>

#include <clocale>
#include <libintl.h>
#include <map>
#include <memory>
#include <optional>

namespace {

struct TLanguageCase {
    std::map<std::string, std::string> env;
    const char* expected;
    const char* why;
};

const std::vector<TLanguageCase>& LanguageCases()
{
    static const std::vector<TLanguageCase> cases = {
        {{}, "en", "nothing set"},
        {{{"LANG", "de_DE.UTF-8"}}, "de", "LANG alone"},
        {{{"LANG", "fr_FR"}}, "fr", "without a code set"},
        {{{"LANG", "es"}}, "es", "a bare language"},
        {{{"LANG", "de_AT.ISO-8859-1@euro"}}, "de", "another country, code set and modifier"},
        {{{"LANG", "C"}}, "en", "C"},
        {{{"LANG", "POSIX"}}, "en", "POSIX"},
        {{{"LANG", "C.UTF-8"}}, "en", "C with a code set"},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, "de", "C with a code set takes LANGUAGE"},
        {{{"LC_ALL", "C.utf8"}, {"LANGUAGE", "fr_FR:de"}}, "fr", "so does its other spelling"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "it"}},
         "en",
         "C with a code set and no list entry available: English"},
        {{{"LC_ALL", "POSIX"}, {"LANGUAGE", "es"}}, "en", "POSIX ignores LANGUAGE"},
        {{{"LANG", "it_IT.UTF-8"}}, "en", "a language without a translation"},
        {{{"LANG", "en_GB.UTF-8"}}, "en", "English"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr", "LC_MESSAGES over LANG"},
        {{{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}, "es", "LC_ALL over LC_MESSAGES"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", ""}}, "de", "an empty LC_ALL is unset"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:de"}}, "fr", "LANGUAGE over the locale"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "it:pt_BR:es"}}, "es", "first available of the list"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "it:pt"}}, "de", "none of the list: the locale's"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:de"}}, "en", "English first in the list"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "::fr_CA"}}, "fr", "empty entries of the list"},
        {{{"LANG", "C"}, {"LANGUAGE", "de"}}, "en", "the C locale ignores LANGUAGE"},
        {{{"LANGUAGE", "de"}}, "en", "LANGUAGE without a locale"},
        {{{"LANG", "DE_de"}}, "de", "upper-case language"},
    };
    return cases;
}

TEST(Translation, LanguageComesFromTheEnvironmentInTheUsualOrder)
{
    const std::vector<std::string> available = {"de", "es", "fr"};
    for (const TLanguageCase& c : LanguageCases()) {
        const TEnvLookup env = [&c](const char* name) {
            const auto found = c.env.find(name);
            return found == c.env.end() ? std::string() : found->second;
        };
        EXPECT_EQ(ChooseLanguage(env, available), c.expected) << c.why;
    }
}

// The C library's own messages choose their language from the same variables: every case whose
// locale is installed here is asked of it too, by the language one of its messages comes out in.
TEST(Translation, TheLanguageIsTheOneTheCLibrarysMessagesChoose)
{
    const char* const source = "No such file or directory";
    const std::map<std::string, std::string> translated = {
        {"de", "Datei oder Verzeichnis nicht gefunden"},
        {"fr", "Aucun fichier ou dossier de ce type"},
        {"es", "No existe el fichero o el directorio"},
    };
    const std::string before = std::setlocale(LC_ALL, nullptr);
    int asked = 0;
    for (const TLanguageCase& c : LanguageCases()) {
        std::vector<std::unique_ptr<TScopedEnv>> env;
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"}) {
            const auto found = c.env.find(name);
            env.push_back(std::make_unique<TScopedEnv>(
                name, found == c.env.end() ? std::nullopt : std::optional<std::string>(found->second)));
        }
        if (!std::setlocale(LC_ALL, ""))
            continue; // a locale this machine lacks: the C library falls back to C and says nothing
        const std::string message = dgettext("libc", source);
        // The language the C library chose, when it is one of the program's.
        std::string chosen = message == source ? "en" : "";
        for (const auto& [language, text] : translated)
            if (message == text)
                chosen = language;
        if (chosen.empty() || (c.expected != std::string("en") && message == source))
            continue; // a language the program lacks, or a catalogue not installed here
        EXPECT_EQ(chosen, c.expected) << c.why << ": " << message;
        ++asked;
    }
    std::setlocale(LC_ALL, before.c_str());
    if (asked == 0)
        GTEST_SKIP() << "no case's locale is installed";
}

TEST(Translation, FillArgsFillsEachPlaceOnce)
{
    const struct {
        const char* text;
        std::initializer_list<std::string> args;
        const char* expected;
    } cases[] = {
        {"Your hardest keys: %1. ", {"a, s"}, "Your hardest keys: a, s. "},
        {"%2 before %1", {"one", "two"}, "two before one"},
        {"%1 and %2", {"%2", "x"}, "%2 and x"},
        {"100 % sure %3", {"a"}, "100 % sure %3"},
        {"ends in %", {"a"}, "ends in %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillArgs(c.text, c.args), c.expected) << c.text;
}

// Without a translation installed every text is its source, byte for byte (the English program).
TEST(Translation, UntranslatedTextsAreTheirSources)
{
    EXPECT_EQ(Tr("TGamesStg", "Play &Bubbles"), "Play &Bubbles");
    EXPECT_EQ(TrQ("TGamesStg", "Play &Bubbles"), QStringLiteral("Play &Bubbles"));
    EXPECT_EQ(Tr("TGamesStg", "caf\xE9"), "caf\xE9");
    EXPECT_EQ(PlayerLocale(), QLocale::c());
}

} // namespace

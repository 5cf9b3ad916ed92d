#include "translation.h"

#include <gtest/gtest.h>
#include <map>

namespace {

struct TLanguageCase {
    std::map<std::string, std::string> env;
    const char* expected;
    const char* why;
};

TEST(Translation, LanguageComesFromTheEnvironmentInTheUsualOrder)
{
    const std::vector<std::string> available = {"de", "es", "fr"};
    const TLanguageCase cases[] = {
        {{}, "en", "nothing set"},
        {{{"LANG", "de_DE.UTF-8"}}, "de", "LANG alone"},
        {{{"LANG", "fr_FR"}}, "fr", "without a code set"},
        {{{"LANG", "es"}}, "es", "a bare language"},
        {{{"LANG", "de_AT.ISO-8859-1@euro"}}, "de", "another country, code set and modifier"},
        {{{"LANG", "C"}}, "en", "C"},
        {{{"LANG", "POSIX"}}, "en", "POSIX"},
        {{{"LANG", "C.UTF-8"}}, "en", "C with a code set"},
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
    for (const TLanguageCase& c : cases) {
        const TEnvLookup env = [&c](const char* name) {
            const auto found = c.env.find(name);
            return found == c.env.end() ? std::string() : found->second;
        };
        EXPECT_EQ(ChooseLanguage(env, available), c.expected) << c.why;
    }
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

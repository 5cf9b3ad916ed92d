#include "keyboard_layout.h"

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>

namespace {

// A key's two characters as UTF-8, "-" for none, to read in a failure.
std::string Characters(const std::vector<TKeyLabel>& labels, const std::string& key)
{
    const auto it =
        std::find_if(labels.begin(), labels.end(), [&](const TKeyLabel& l) { return l.Name == key; });
    if (it == labels.end())
        return "no key";
    std::string text;
    for (QChar c : {it->Base, it->Shifted})
        text += c.isNull() ? std::string("-") : QString(c).toStdString();
    return text;
}

TEST(KeyboardLayout, EachLayoutLabelsItsKeysWithItsOwnCharacters)
{
    const struct {
        const char* layout;
        const char* variant;
        const char* key;
        const char* characters;
    } cases[] = {
        {"us", "", "AD01", "qQ"},           {"us", "", "AE02", "2@"},        {"gb", "", "AE03", "3£"},
        {"gb", "", "LSGT", "\\|"},          {"de", "", "AD06", "zZ"},        {"de", "", "TLDE", "^°"},
        {"de", "nodeadkeys", "TLDE", "^°"}, {"fr", "", "AC10", "mM"},        {"fr", "", "AD11", "^¨"},
        {"es", "", "AC10", "ñÑ"},           {"es", "", "AC11", "´¨"},        {"it", "", "AD11", "èé"},
        {"pt", "", "BKSL", "~^"},           {"ch", "", "AD11", "üè"},        {"be", "", "AB10", "=+"},
        {"nl", "", "AE12", "°~"},           {"se", "", "AD11", "åÅ"},        {"no", "", "AC10", "øØ"},
        {"dk", "", "AC10", "æÆ"},           {"fi", "", "AC11", "äÄ"},        {"pl", "", "AD01", "qQ"},
        {"cz", "", "AE02", "ě2"},           {"cz", "", "TLDE", ";˚"},        {"cz", "", "AE12", "´ˇ"},
        {"hu", "", "AD11", "őŐ"},           {"hu", "", "LSGT", "íÍ"},        {"tr", "", "AD08", "ıI"},
        {"tr", "", "AC11", "iİ"},           {"us", "dvorak", "AD01", "'\""}, {"us", "dvorak", "AC02", "oO"},
        {"us", "colemak", "AC02", "rR"},    {"us", "colemak", "AD03", "fF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Characters(NamedLayoutLabels(c.layout, c.variant), c.key), c.characters)
            << c.layout << ' ' << c.variant << ' ' << c.key;
}

TEST(KeyboardLayout, AKeyOfOneCharacterHasNoShiftedOneAndAnUnknownLayoutNoLabels)
{
    EXPECT_EQ(Characters(NamedLayoutLabels("fr", "azerty"), "TLDE"), "²-");
    EXPECT_EQ(NamedLayoutLabels("us").size(), 48u) << "the character block with the extra key";
    EXPECT_TRUE(NamedLayoutLabels("no such layout").empty());
}

} // namespace

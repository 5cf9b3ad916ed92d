#include "keyboard_layout.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
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
        {"us", "", "AE02", "2@"},           {"gb", "", "LSGT", "\\|"}, {"de", "", "TLDE", "^°"},
        {"de", "nodeadkeys", "TLDE", "^°"}, {"fr", "", "AD11", "^¨"},  {"es", "", "AC11", "´¨"},
        {"it", "", "AD11", "èé"},           {"pt", "", "BKSL", "~^"},  {"ch", "", "AD11", "üè"},
        {"be", "", "AB10", "=+"},           {"nl", "", "AE12", "°~"},  {"se", "", "AD11", "åÅ"},
        {"no", "", "AC10", "øØ"},           {"dk", "", "AC10", "æÆ"},  {"fi", "", "AC11", "äÄ"},
        {"pl", "", "AD01", "qQ"},           {"cz", "", "AE02", "ě2"},  {"cz", "", "TLDE", ";˚"},
        {"hu", "", "AD11", "őŐ"},           {"tr", "", "AC11", "iİ"},  {"us", "dvorak", "AD01", "'\""},
        {"us", "colemak", "AC02", "rR"},
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

namespace {

// Under a Wayland session the keyboard drawn is the compositor's, not the US one: run by
// tests/e2e/wayland_keyboard_check.sh under a headless compositor whose keymap KV_WAYLAND_LAYOUT
// names; skipped elsewhere.
TEST(KeyboardLayout, UnderWaylandTheCompositorsKeymapIsRead)
{
    const QByteArray layout = qgetenv("KV_WAYLAND_LAYOUT");
    if (layout.isEmpty() || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        GTEST_SKIP() << "not under the Wayland check";
    const std::vector<TKeyLabel> drawn = DesktopKeyboardLabels();
    const std::vector<TKeyLabel> wanted = NamedLayoutLabels(layout.toStdString());
    ASSERT_FALSE(wanted.empty()) << "no keyboard data for " << layout.constData();
    ASSERT_EQ(drawn.size(), wanted.size());
    for (const TKeyLabel& key : wanted)
        EXPECT_EQ(Characters(drawn, key.Name), Characters(wanted, key.Name)) << key.Name;
}

} // namespace

#include "keyboard_map.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <string>

namespace {

// A drawn keyboard as text, one line per row: the row's indent, then "base shifted" key by key; UTF-8,
// to read in a failure.
std::vector<std::string> Rows(const std::vector<TKeyCap>& keyboard)
{
    QStringList rows(4);
    for (const TKeyCap& cap : keyboard) {
        QString& row = rows[static_cast<int>(cap.Place.y())];
        if (row.isEmpty())
            row = QString::number(cap.Place.x());
        row += ' ' + QString(cap.Base) + (cap.Shifted.isNull() ? QString() : QString(cap.Shifted));
    }
    std::vector<std::string> utf8;
    for (const QString& row : rows)
        utf8.push_back(row.toStdString());
    return utf8;
}

TEST(KeyboardMap, TheUsGermanAndFrenchLayoutsAreDrawnAsTheirOwnKeyboards)
{
    const struct {
        const char* layout;
        std::vector<std::string> rows;
    } cases[] = {
        {"us",
         {"0 `~ 1! 2@ 3# 4$ 5% 6^ 7& 8* 9( 0) -_ =+", "0.5 qQ wW eE rR tT yY uU iI oO pP [{ ]} \\|",
          "0.75 aA sS dD fF gG hH jJ kK lL ;: '\"", "1.25 zZ xX cC vV bB nN mM ,< .> /?"}},
        // Dead keys show their accents.
        {"de",
         {"0 ^° 1! 2\" 3§ 4$ 5% 6& 7/ 8( 9) 0= ß? ´`", "0.5 qQ wW eE rR tT zZ uU iI oO pP üÜ +*",
          "0.75 aA sS dD fF gG hH jJ kK lL öÖ äÄ #'", "0.25 <> yY xX cC vV bB nN mM ,; .: -_"}},
        // Shift with the ² key types a tilde in the X layout.
        {"fr",
         {"0 ²~ &1 é2 \"3 '4 (5 -6 è7 _8 ç9 à0 )° =+", "0.5 aA zZ eE rR tT yY uU iI oO pP ^¨ $£",
          "0.75 qQ sS dD fF gG hH jJ kK lL mM ù% *µ", "0.25 <> wW xX cC vV bB nN ,? ;. :/ !§"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rows(KeyboardOf(NamedLayoutLabels(c.layout))), c.rows) << c.layout;
    EXPECT_EQ(Rows(UsKeyboard()), cases[0].rows) << "the keyboard drawn when X cannot be read";
    EXPECT_EQ(Rows(KeyboardOf({})), cases[0].rows);
}

TEST(KeyboardMap, TheExtraKeyBesideLeftShiftIsDrawnOnlyWhereItTypesSomethingOfItsOwn)
{
    const struct {
        const char* layout;
        const char* variant;
        std::string bottomRow; // its start
    } cases[] = {
        {"gb", "", "0.25 \\| zZ"}, // the backslash lives only there
        {"nl", "", "0.25 ][ zZ"},
        {"us", "dvorak", "1.25 ;: qQ"}, // < and > are on the comma and full stop keys
        {"us", "colemak", "1.25 zZ"},   // the minus is on its own key
        {"pl", "", "1.25 zZ"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> rows = Rows(KeyboardOf(NamedLayoutLabels(c.layout, c.variant)));
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_TRUE(rows[3].starts_with(c.bottomRow)) << c.layout << ' ' << c.variant << ": " << rows[3];
        // The key beside Enter closes the home row on a keyboard with the extra key, the top letter row on
        // one without.
        const bool iso = c.bottomRow.starts_with("0.25");
        EXPECT_EQ(std::count(rows[1].begin(), rows[1].end(), ' '), iso ? 12 : 13)
            << c.layout << ' ' << c.variant;
        EXPECT_EQ(std::count(rows[2].begin(), rows[2].end(), ' '), iso ? 12 : 11)
            << c.layout << ' ' << c.variant;
    }
}

} // namespace

namespace {

// The keys whose colour a character takes: its own key, or for an accented letter that no key has,
// the dead key of its accent; nothing on a keyboard that cannot type it.
TEST(KeyboardMap, ACharacterColoursItsOwnKeyOrTheDeadKeyOfItsAccent)
{
    // A key by the characters it shows, "base shifted" as the rows above write them.
    const auto shows = [](const std::vector<TKeyCap>& keyboard, std::size_t i) {
        const TKeyCap& cap = keyboard[i];
        return (QString(cap.Base) + (cap.Shifted.isNull() ? QString() : QString(cap.Shifted))).toStdString();
    };
    const struct {
        const char* layout;
        char16_t ch;
        std::vector<std::string> keys;
    } cases[] = {
        {"es", u'ñ', {"ñÑ"}}, {"es", u'á', {"´¨"}},
        {"es", u'Á', {"´¨"}}, {"es", u'ü', {"´¨"}}, // the diaeresis is Shift on the same dead key
        {"es", u'â', {"`^"}}, // the circumflex is Shift on the grave accent's dead key {"de", u'ß', {"ß?"}},
        {"de", u'é', {"´`"}}, {"de", u'ê', {"^°"}},
        {"fr", u'é', {"é2"}}, // a key of its own wins over the dead key
        {"fr", u'ê', {"^¨"}}, {"us", u'á', {}},
        {"us", u'`', {"`~"}}, // a grave accent that is typed as it is
    };
    for (const auto& c : cases) {
        const std::vector<TKeyCap> keyboard = KeyboardOf(NamedLayoutLabels(c.layout));
        std::vector<std::string> keys;
        for (std::size_t i : KeysTyping(keyboard, QChar(c.ch)))
            keys.push_back(shows(keyboard, i));
        EXPECT_EQ(keys, c.keys) << c.layout << " " << QString(QChar(c.ch)).toStdString();
    }
}

} // namespace

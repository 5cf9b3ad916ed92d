#include "keyboard_map.h"

#include <QStringList>
#include <algorithm>

namespace {

// The four rows of a keyboard's character keys by their XKB names, without the key beside Enter and
// the extra key beside left Shift, whose places depend on the keyboard's shape.
const char* const kRows[] = {
    "TLDE AE01 AE02 AE03 AE04 AE05 AE06 AE07 AE08 AE09 AE10 AE11 AE12",
    "AD01 AD02 AD03 AD04 AD05 AD06 AD07 AD08 AD09 AD10 AD11 AD12",
    "AC01 AC02 AC03 AC04 AC05 AC06 AC07 AC08 AC09 AC10 AC11",
    "AB01 AB02 AB03 AB04 AB05 AB06 AB07 AB08 AB09 AB10",
};

// The US keyboard's characters, "base shifted" key by key along the rows, the key beside Enter last
// in the top letter row.
const char16_t* const kUsKeys[] = {
    u"`~ 1! 2@ 3# 4$ 5% 6^ 7& 8* 9( 0) -_ =+",
    u"qQ wW eE rR tT yY uU iI oO pP [{ ]} \\|",
    u"aA sS dD fF gG hH jJ kK lL ;: '\"",
    u"zZ xX cC vV bB nN mM ,< .> /?",
};

const TKeyLabel* Find(const std::vector<TKeyLabel>& labels, const std::string& name)
{
    const auto it =
        std::find_if(labels.begin(), labels.end(), [&](const TKeyLabel& l) { return l.Name == name; });
    return it == labels.end() ? nullptr : &*it;
}

// Whether the extra key beside left Shift belongs on the drawing: a layout that only repeats there
// what other keys type (US, Dvorak) is drawn as the keyboards it is made for, which lack the key.
bool HasExtraKey(const std::vector<TKeyLabel>& labels)
{
    const TKeyLabel* extra = Find(labels, "LSGT");
    if (!extra)
        return false;
    for (QChar c : {extra->Base, extra->Shifted}) {
        const bool elsewhere = std::any_of(labels.begin(), labels.end(), [&](const TKeyLabel& l) {
            return &l != extra && (l.Base == c || l.Shifted == c);
        });
        if (!c.isNull() && !elsewhere)
            return true;
    }
    return false;
}

std::vector<TKeyLabel> UsLabels()
{
    std::vector<TKeyLabel> labels;
    for (int row = 0; row < 4; ++row) {
        const QStringList keys = QString::fromUtf16(kUsKeys[row]).split(' ');
        const QStringList names = (QString(kRows[row]) + (row == 1 ? " BKSL" : "")).split(' ');
        for (qsizetype k = 0; k < keys.size(); ++k)
            labels.push_back({names[k].toStdString(), keys[k].at(0), keys[k].at(1)});
    }
    return labels;
}

// The accent a dead key shows for a combining mark, as the keyboard layout draws it; 0 for a mark
// that no dead key drawn here puts on a letter.
char16_t SpacingAccent(char16_t mark)
{
    switch (mark) {
    case 0x0300:
        return u'`';
    case 0x0301:
        return u'\u00B4';
    case 0x0302:
        return u'^';
    case 0x0303:
        return u'~';
    case 0x0304:
        return u'\u00AF';
    case 0x0306:
        return u'\u02D8';
    case 0x0307:
        return u'\u02D9';
    case 0x0308:
        return u'\u00A8';
    case 0x030A:
        return u'\u02DA';
    case 0x030B:
        return u'\u02DD';
    case 0x030C:
        return u'\u02C7';
    case 0x0327:
        return u'\u00B8';
    case 0x0328:
        return u'\u02DB';
    default:
        return 0;
    }
}

} // namespace

std::vector<std::size_t> KeysTyping(const std::vector<TKeyCap>& keyboard, QChar ch)
{
    std::vector<std::size_t> keys;
    if (ch.isNull())
        return keys;
    for (std::size_t i = 0; i < keyboard.size(); ++i) {
        const TKeyCap& cap = keyboard[i];
        if ((cap.Base == ch && !cap.BaseDead) || (cap.Shifted == ch && !cap.ShiftedDead))
            keys.push_back(i);
    }
    if (!keys.empty())
        return keys;
    // A letter and one accent: the accent's dead key, then the letter's key.
    const QString parts = ch.decomposition();
    if (ch.decompositionTag() != QChar::Canonical || parts.size() != 2)
        return keys;
    const char16_t accent = SpacingAccent(parts[1].unicode());
    if (accent == 0)
        return keys;
    for (std::size_t i = 0; i < keyboard.size(); ++i) {
        const TKeyCap& cap = keyboard[i];
        if ((cap.BaseDead && cap.Base == QChar(accent)) || (cap.ShiftedDead && cap.Shifted == QChar(accent)))
            keys.push_back(i);
    }
    return keys;
}

std::vector<TKeyCap> KeyboardOf(const std::vector<TKeyLabel>& labels)
{
    if (labels.empty())
        return UsKeyboard();
    // The key beside Enter ends the top letter row on a US keyboard and the home row on an ISO one,
    // whose extra key leaves the bottom row's letters where they are.
    const bool iso = HasExtraKey(labels);
    const double indents[] = {0, 0.5, 0.75, iso ? 0.25 : 1.25};
    std::vector<TKeyCap> caps;
    for (int row = 0; row < 4; ++row) {
        QString names = kRows[row];
        if (row == (iso ? 2 : 1))
            names += " BKSL";
        if (row == 3 && iso)
            names.prepend("LSGT ");
        double left = indents[row];
        for (const QString& name : names.split(' ')) {
            // A key the keymap lacks leaves its place empty rather than moving its neighbours.
            if (const TKeyLabel* label = Find(labels, name.toStdString()))
                caps.push_back({QRectF(left, row, 1, 1), label->Base, label->Shifted, label->BaseDead,
                                label->ShiftedDead});
            left += 1;
        }
    }
    return caps;
}

const std::vector<TKeyCap>& UsKeyboard()
{
    static const std::vector<TKeyCap> us = KeyboardOf(UsLabels());
    return us;
}

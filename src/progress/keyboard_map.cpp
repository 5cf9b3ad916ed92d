#include "keyboard_map.h"

#include <QStringList>

namespace {

// Four rows of "base shifted" pairs, separated by spaces, and each row's indent in key units.
struct TRowText {
    double Indent;
    const char16_t* Keys;
};

std::vector<TKeyCap> Build(std::initializer_list<TRowText> rows)
{
    std::vector<TKeyCap> caps;
    double top = 0;
    for (const TRowText& row : rows) {
        const QString text = QString::fromUtf16(row.Keys);
        double left = row.Indent;
        for (const QString& pair : text.split(' ', Qt::SkipEmptyParts)) {
            caps.push_back({QRectF(left, top, 1, 1), pair.at(0), pair.size() > 1 ? pair.at(1) : QChar()});
            left += 1;
        }
        top += 1;
    }
    return caps;
}

} // namespace

const std::vector<TKeyCap>& KeyboardMap(const std::string& layout)
{
    static const std::vector<TKeyCap> us = Build({
        {0, u"`~ 1! 2@ 3# 4$ 5% 6^ 7& 8* 9( 0) -_ =+"},
        {0.5, u"qQ wW eE rR tT yY uU iI oO pP [{ ]} \\|"},
        {0.75, u"aA sS dD fF gG hH jJ kK lL ;: '\""},
        {1.25, u"zZ xX cC vV bB nN mM ,< .> /?"},
    });
    static const std::vector<TKeyCap> de = Build({
        {0, u"^° 1! 2\" 3§ 4$ 5% 6& 7/ 8( 9) 0= ß? ´`"},
        {0.5, u"qQ wW eE rR tT zZ uU iI oO pP üÜ +*"},
        {0.75, u"aA sS dD fF gG hH jJ kK lL öÖ äÄ #'"},
        {0.25, u"<> yY xX cC vV bB nN mM ,; .: -_"},
    });
    static const std::vector<TKeyCap> fr = Build({
        {0, u"² &1 é2 \"3 '4 (5 -6 è7 _8 ç9 à0 )° =+"},
        {0.5, u"aA zZ eE rR tT yY uU iI oO pP ^¨ $£"},
        {0.75, u"qQ sS dD fF gG hH jJ kK lL mM ù% *µ"},
        {0.25, u"<> wW xX cC vV bB nN ,? ;. :/ !§"},
    });
    if (layout == "de")
        return de;
    if (layout == "fr")
        return fr;
    return us;
}

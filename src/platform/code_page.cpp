#include "code_page.h"

#include <QList>
#include <array>

namespace {

// Unicode code points of the bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString FromCp1252(std::string_view text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            out.append(QChar(kHighControls[b - 0x80]));
        else
            out.append(QChar(static_cast<char16_t>(b)));
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view text)
{
    return FromCp1252(text).toUtf8().toStdString();
}

unsigned char CharToCp1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    return 0;
}

std::string ToCp1252(const QString& text, bool* ok)
{
    if (ok)
        *ok = true;
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t u : text.toUcs4()) {
        unsigned char b = u > 0xFFFF ? 0 : CharToCp1252(QChar(static_cast<char16_t>(u)));
        if (b == 0 && u != 0) {
            b = '?';
            if (ok)
                *ok = false;
        }
        out.push_back(static_cast<char>(b));
    }
    return out;
}

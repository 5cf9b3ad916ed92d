#include "text_functions.h"

#include "code_page.h"

#include <QChar>
#include <algorithm>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Lower case for one Windows-1252 character; the page holds the lower-case form of each of its
// capital letters, so the result always fits.
char LowerCp1252(char c)
{
    const QString s = FromCp1252(std::string_view(&c, 1));
    const unsigned char lower = CharToCp1252(s.front().toLower());
    return lower != 0 ? static_cast<char>(lower) : c;
}

// Upper case for one Windows-1252 character ("\xE9" gives "\xC9"); a letter whose capital the page
// lacks ("\xDF", "\xB5") stays as it is.
char UpperCp1252(char c)
{
    const QString s = FromCp1252(std::string_view(&c, 1));
    const unsigned char upper = CharToCp1252(s.front().toUpper());
    return upper != 0 ? static_cast<char>(upper) : c;
}

} // namespace

std::vector<std::string> SplitTokens(const std::string& text, const std::string& delimiters)
{
    const std::string delims = delimiters.empty() ? std::string(" ,\r\n") : delimiters;
    const auto isDelim = [&delims](char c) { return delims.find(c) != std::string::npos; };

    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isDelim(text[i]))
            ++i;
        if (i == text.size())
            break;
        std::string token;
        for (; i < text.size(); ++i) {
            if (isDelim(text[i])) {
                if (token.empty() || token.back() != '%')
                    break;
                token.back() = text[i]; // the escape goes, the delimiter stays as a character
            } else {
                token.push_back(text[i]);
            }
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

std::string EscapeTokens(const std::string& text, const std::string& delimiters)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        if (delimiters.find(c) != std::string::npos)
            escaped.push_back('%');
        escaped.push_back(c);
    }
    return escaped;
}

std::string TrimBlanks(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string TitleCase(const std::string& name)
{
    std::string out = name;
    for (char& c : out)
        c = LowerCp1252(c);
    if (!out.empty())
        out[0] = UpperCp1252(out[0]);
    const std::size_t space = out.find(' ');
    if (space != std::string::npos && out.size() - space - 1 >= 2)
        out[space + 1] = UpperCp1252(out[space + 1]);
    return out;
}

std::string Utf8Prefix(std::string_view text, std::size_t capacity)
{
    std::size_t n = std::min(text.size(), capacity);
    // The last character before the cut starts at its lead byte, at most three continuation bytes back.
    std::size_t lead = n;
    while (lead > 0 && n - lead < 3 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80)
        --lead;
    if (lead > 0) {
        const auto b = static_cast<unsigned char>(text[lead - 1]);
        const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (length > n - (lead - 1))
            n = lead - 1;
    }
    return std::string(text.substr(0, n));
}

#include "vocabulary_words.h"

#include "code_page.h"
#include "short_string.h"
#include "text_functions.h"

#include <QStringDecoder>
#include <algorithm>
#include <cctype>

namespace {

constexpr qsizetype kMaxWord = 255;

struct TRawLine {
    int Line;
    std::string Bytes;
    bool MultiByte; // holds a byte of 0x80 or above
    bool Longer;    // the line went on beyond the bytes read
    bool Nul;       // a NUL ended the text before the line end
    QString Text;   // the decoded text of a multi-byte line, once it has been decoded
    bool Decoded = false;
};

bool HasMultiByte(const std::string& bytes)
{
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The text of valid UTF-8, in composed form (a letter followed by a combining accent becomes the one
// accented letter the code page holds); false for anything else.
bool DecodeUtf8(const std::string& bytes, QString& text)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decode.hasError())
        return false;
    text = text.normalized(QString::NormalizationForm_C);
    return true;
}

// The first 255 characters of text; a pair of surrogates counts as one character and is never split.
QString FirstCharacters(const QString& text, bool& cut)
{
    qsizetype units = 0;
    for (qsizetype chars = 0; units < text.size() && chars < kMaxWord; ++chars)
        units += text[units].isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
    cut = units < text.size();
    return text.left(units);
}

} // namespace

TVocabularyWords ReadVocabularyWords(TTextFile& file)
{
    TVocabularyWords out;
    std::vector<TRawLine> lines;
    int line = file.HeaderLines;
    // The text of the read that ends the file still counts: a last line without a line end is a word.
    do {
        std::string text;
        bool longer = false, nul = false;
        if (file.ReadWholeLine(text, &longer, &nul) < 0) {
            out.Status = file.Status;
            break;
        }
        if (longer)
            text = Utf8Prefix(text, text.size()); // bytes cut off lose the start of a character cut in two
        const bool multiByte = HasMultiByte(text);
        lines.push_back({++line, std::move(text), multiByte, longer, nul, QString(), false});
    } while (file.Status == 1);

    out.Utf8 = file.ByteOrderMark != TTextFile::NoMark;
    if (!out.Utf8) {
        // Plain ASCII lines are valid UTF-8 and read the same in both encodings: only lines with
        // bytes of 0x80 and above are decoded, each once.
        bool anyMultiByte = false;
        bool allValid = true;
        for (TRawLine& raw : lines) {
            if (!raw.MultiByte)
                continue;
            anyMultiByte = true;
            raw.Decoded = DecodeUtf8(raw.Bytes, raw.Text);
            if (!raw.Decoded) {
                allValid = false;
                break;
            }
        }
        out.Utf8 = anyMultiByte && allValid;
    }

    for (TRawLine& raw : lines) {
        std::string word = std::move(raw.Bytes);
        // Lines are cut by characters: bytes in the code page, decoded characters in Unicode.
        bool cut = raw.Longer || word.size() > static_cast<std::size_t>(kMaxWord);
        if (out.Utf8 && raw.MultiByte) {
            QString text = std::move(raw.Text);
            if (!raw.Decoded && !DecodeUtf8(word, text)) {
                out.Skipped.push_back(
                    {raw.Line, QString::fromUtf8(word).toStdString(), TSkippedWord::NotUtf8});
                continue;
            }
            bool more = false;
            text = FirstCharacters(text, more);
            cut = raw.Longer || more;
            bool fits = false;
            word = ToCp1252(text, &fits);
            if (!fits) {
                out.Skipped.push_back(
                    {raw.Line, TrimBlanks(text.toStdString()), TSkippedWord::NotInCodePage});
                continue;
            }
        }
        word = TrimBlanks(ShortString(word));
        if (raw.Nul && word.empty()) {
            out.Skipped.push_back({raw.Line, std::string(), TSkippedWord::NulFirst});
            continue;
        }
        if (raw.Nul)
            out.NulLines.push_back(raw.Line);
        if (cut)
            out.LongLines.push_back(raw.Line);
        if (!word.empty())
            out.Words.push_back(std::move(word));
    }
    return out;
}

std::string VocabularyText(const std::string& raw, bool utf8)
{
    QString text;
    // A header line is cut at 255 bytes, which may fall inside a character.
    if (!utf8 || !DecodeUtf8(Utf8Prefix(raw, raw.size()), text))
        return raw;
    return ToCp1252(text);
}

std::string VocabularyLanguage(const std::string& value)
{
    std::string code;
    for (char c : value) {
        if (!std::isalpha(static_cast<unsigned char>(c)))
            break;
        code += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return code.empty() ? "en" : code;
}

std::vector<std::string> PlayerLanguageFirst(const std::vector<std::string>& titles,
                                             const std::string& language)
{
    std::vector<std::string> first;
    std::vector<std::string> others;
    for (const std::string& title : titles) {
        TTextFile file;
        const bool open = file.OpenFile(title + ".vcb", 1) == 1;
        const bool mine = open && VocabularyLanguage(file.Language) == language;
        if (open)
            file.CloseFile();
        (mine ? first : others).push_back(title);
    }
    first.insert(first.end(), others.begin(), others.end());
    return first;
}

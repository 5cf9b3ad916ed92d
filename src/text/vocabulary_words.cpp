#include "vocabulary_words.h"

#include "code_page.h"
#include "text_functions.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

struct TRawLine {
    int Line;
    std::string Bytes;
    bool MultiByte; // holds a byte of 0x80 or above
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

} // namespace

TVocabularyWords ReadVocabularyWords(TTextFile& file)
{
    TVocabularyWords out;
    std::vector<TRawLine> lines;
    int line = file.HeaderLines;
    // The text of the read that ends the file still counts: a last line without a line end is a word.
    do {
        std::string text;
        if (file.ReadLine(text, 255) < 0) {
            out.Status = file.Status;
            break;
        }
        const bool multiByte = HasMultiByte(text);
        lines.push_back({++line, std::move(text), multiByte, QString(), false});
    } while (file.Status == 1);

    out.Utf8 = file.Utf8Bom;
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
        if (out.Utf8 && raw.MultiByte) {
            QString text = std::move(raw.Text);
            bool fits = false;
            if (!raw.Decoded && !DecodeUtf8(word, text)) {
                out.Skipped.push_back(
                    {raw.Line, QString::fromUtf8(word).toStdString(), TSkippedWord::NotUtf8});
                continue;
            }
            word = ToCp1252(text, &fits);
            if (!fits) {
                out.Skipped.push_back(
                    {raw.Line, TrimBlanks(text.toStdString()), TSkippedWord::NotInCodePage});
                continue;
            }
        }
        word = TrimBlanks(word);
        if (!word.empty())
            out.Words.push_back(std::move(word));
    }
    return out;
}

std::string VocabularyText(const std::string& raw, bool utf8)
{
    QString text;
    if (!utf8 || !DecodeUtf8(raw, text))
        return raw;
    return ToCp1252(text);
}

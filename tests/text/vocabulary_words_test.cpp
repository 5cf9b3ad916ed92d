#include "scratch_dir.h"
#include "text_file.h"
#include "vocabulary_words.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const std::string kBom = "\xEF\xBB\xBF";

struct WordsCase {
    const char* name;
    std::string bytes;
    bool utf8;
    std::vector<std::string> words; // in the code page
    std::vector<int> skippedLines;  // negative for a line that is not UTF-8
};

TVocabularyWords ReadFile(const std::string& bytes, TTextFile& f)
{
    ScratchDir dir;
    dir.Write("w.vcb", bytes);
    EXPECT_EQ(f.OpenFile("w.vcb", 1), 1);
    return ReadVocabularyWords(f);
}

TEST(VocabularyWords, TheCodeOfAFileIsChosenByItsBody)
{
    const std::vector<WordsCase> cases = {
        {"code page", "caf\xE9\r\n  ox \r\n\r\n\t\r\nlast", false, {"caf\xE9", "ox", "last"}, {}},
        {"plain ASCII", "$version=1\r\ncat\r\ndog\r\n", false, {"cat", "dog"}, {}},
        {"UTF-8",
         "caf\xC3\xA9\r\nna\xC3\xAFve\r\n\xC5\x93uf\r\n",
         true,
         {"caf\xE9", "na\xEFve",
          "\x9C"
          "uf"},
         {}},
        // One byte that is not UTF-8 makes the whole file the code page's, as it was written.
        {"mostly UTF-8", "caf\xC3\xA9\r\nr\xE9sum\xE9\r\n", false, {"caf\xC3\xA9", "r\xE9sum\xE9"}, {}},
        {"UTF-8 with a word the code page lacks",
         "$description=x\r\n\xC5\x82\xC3\xB3"
         "d\xC5\xBA\r\n\xC3\xA9t\xC3\xA9\r\n\xCE\xB1\r\n",
         true,
         {"\xE9t\xE9"},
         {2, 4}},
        // A letter followed by a combining accent is the accented letter.
        {"decomposed accents", "e\xCC\x81t\xC3\xA9\r\n", true, {"\xE9t\xE9"}, {}},
        {"byte-order mark, ASCII body", kBom + "$version=2\r\ncat\r\n", true, {"cat"}, {}},
        {"byte-order mark, a line not UTF-8",
         kBom + "cat\r\nr\xE9sum\xE9\r\nox\r\n",
         true,
         {"cat", "ox"},
         {-2}},
    };
    for (const WordsCase& c : cases) {
        SCOPED_TRACE(c.name);
        TTextFile f;
        const TVocabularyWords w = ReadFile(c.bytes, f);
        EXPECT_EQ(w.Status, 1);
        EXPECT_EQ(w.Utf8, c.utf8);
        EXPECT_EQ(w.Words, c.words);
        std::vector<int> lines;
        for (const TSkippedWord& s : w.Skipped)
            lines.push_back(s.Reason == TSkippedWord::NotUtf8 ? -s.Line : s.Line);
        EXPECT_EQ(lines, c.skippedLines);
    }
}

// A UTF-16 file, with its byte-order mark unless told otherwise.
std::string Utf16(const std::u16string& text, bool littleEndian, bool mark = true)
{
    std::string bytes;
    for (const char16_t u : (mark ? u"\uFEFF" : u"") + text) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        bytes += littleEndian ? std::string{lo, hi} : std::string{hi, lo};
    }
    return bytes;
}

struct LinesCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> words; // in the code page
    std::vector<int> longLines;
};

// A long line must not end the reading, nor be cut inside a character, nor make a UTF-8 file read in the
// code page; UTF-16 files read like UTF-8 ones.
TEST(VocabularyWords, LongLinesAndUtf16FilesGiveEveryWord)
{
    const std::string b255(255, 'b'), e255(255, '\xE9');
    std::string e300, ae3000 = "a";
    for (int i = 0; i < 300; ++i)
        e300 += "\xC3\xA9";
    for (int i = 0; i < 3000; ++i)
        ae3000 += "\xC3\xA9";
    const std::vector<LinesCase> cases = {
        {"code page, 300 characters",
         "one\r\n" + std::string(300, 'b') + "\r\ntwo\r\nthree",
         {"one", b255, "two", "three"},
         {2}},
        {"255 characters are no long line",
         b255 + "\r\n" + std::string(256, 'b') + "\nx\n",
         {b255, b255, "x"},
         {2}},
        {"UTF-8, 300 accented letters",
         "m\xC3\xA9r\xC3\xA9si\r\n" + e300 + "\r\nalma\r\n",
         {"m\xE9r\xE9si", e255, "alma"},
         {2}},
        {"UTF-8, a line longer than the bytes kept, cut inside a letter",
         ae3000 + "\r\n\xC3\xA9t\xC3\xA9\r\n",
         {"a" + std::string(254, '\xE9'), "\xE9t\xE9"},
         {1}},
        {"a NUL ends the text of its line only",
         std::string("cat\r\nd\0og\r\nbird\r\n", 17),
         {"cat", "d", "bird"},
         {}},
        {"UTF-16 LE",
         Utf16(u"$description=x\r\nm\u00E9r\u00E9si\r\n\u0153uf\r\n\u65E5\r\nlast", true),
         {"m\xE9r\xE9si",
          "\x9C"
          "uf",
          "last"},
         {}},
        {"UTF-16 BE, LF and CR line ends",
         Utf16(u"caf\u00E9\nzoo\rox\n", false),
         {"caf\xE9", "zoo", "ox"},
         {}},
    };
    for (const LinesCase& c : cases) {
        SCOPED_TRACE(c.name);
        TTextFile f;
        const TVocabularyWords w = ReadFile(c.bytes, f);
        EXPECT_EQ(w.Status, 1);
        EXPECT_EQ(w.Words, c.words);
        EXPECT_EQ(w.LongLines, c.longLines);
    }
}

TEST(VocabularyWords, TheByteOrderMarkDoesNotHideTheHeader)
{
    TTextFile f;
    const TVocabularyWords w = ReadFile(kBom + "$description=Mots fran\xC3\xA7"
                                               "ais\r\n$version=3\r\n\xC3\xA9t\xC3\xA9\r\n",
                                        f);
    EXPECT_EQ(f.ByteOrderMark, TTextFile::Utf8Mark);
    EXPECT_EQ(f.HeaderLines, 2);
    EXPECT_EQ(f.Version, "3");
    EXPECT_EQ(VocabularyText(f.Description, w.Utf8), "Mots fran\xE7"
                                                     "ais");
    EXPECT_EQ(w.Words, std::vector<std::string>{"\xE9t\xE9"});
    TTextFile wide;
    const TVocabularyWords u = ReadFile(Utf16(u"$version=4\r\n$author=Andr\u00E9\r\nox\r\n", false), wide);
    EXPECT_EQ(wide.HeaderLines, 2);
    EXPECT_EQ(wide.Version, "4");
    EXPECT_EQ(VocabularyText(wide.Author, u.Utf8), "Andr\xE9");
    EXPECT_EQ(u.Words, std::vector<std::string>{"ox"});
    // A header value cut at 255 bytes inside a letter keeps the letters before it.
    EXPECT_EQ(VocabularyText("ab\xC3", true), "ab");
    // Read in the code page, a header keeps its bytes.
    EXPECT_EQ(VocabularyText("fran\xE7"
                             "ais",
                             false),
              "fran\xE7"
              "ais");
}

TEST(VocabularyWords, AScrambledUtf8BodyIsReadAsUtf8)
{
    std::string body = TTextFile::Scramble("\xC3\xA9t\xC3\xA9");
    TTextFile f;
    const TVocabularyWords w = ReadFile("$fileformat=crypted\r\n" + body + "\r\n", f);
    EXPECT_TRUE(w.Utf8);
    EXPECT_EQ(w.Words, std::vector<std::string>{"\xE9t\xE9"});
}

} // namespace

// Without a byte-order mark, a UTF-16 list read byte by byte gave its first word only: every other line
// starts with a NUL, which ended its text before any character, and nothing was said.
TEST(VocabularyWords, Utf16WithoutAMarkIsReadAsUtf16AndNulLinesAreNamed)
{
    const std::u16string eight =
        u"apple\r\nbanana\r\ncherry\r\n\u00DCbung\r\n\u00E9cole\r\nfig\r\ngrape\r\nhat\r\n";
    const std::vector<std::string> words = {"apple",
                                            "banana",
                                            "cherry",
                                            "\xDC"
                                            "bung",
                                            "\xE9"
                                            "cole",
                                            "fig",
                                            "grape",
                                            "hat"};
    for (const bool le : {true, false}) {
        TTextFile f;
        const TVocabularyWords w = ReadFile(Utf16(eight, le, false), f);
        EXPECT_EQ(f.ByteOrderMark, le ? TTextFile::Utf16LeMark : TTextFile::Utf16BeMark);
        EXPECT_EQ(w.Words, words);
        EXPECT_TRUE(w.Skipped.empty());
    }
    // A few NULs in a file of the code page do not make it UTF-16; each line they cut is named.
    TTextFile f;
    const TVocabularyWords w = ReadFile(std::string("cat\r\n\0dog\r\nbi\0rd\r\n  \0\r\nowl\r\n", 28), f);
    EXPECT_EQ(f.ByteOrderMark, TTextFile::NoMark);
    EXPECT_EQ(w.Words, (std::vector<std::string>{"cat", "bi", "owl"}));
    ASSERT_EQ(w.Skipped.size(), 2u);
    EXPECT_EQ(w.Skipped[0].Line, 2);
    EXPECT_EQ(w.Skipped[0].Reason, TSkippedWord::NulFirst);
    EXPECT_EQ(w.Skipped[1].Line, 4);
    EXPECT_EQ(w.NulLines, std::vector<int>{3});
}

namespace {

// The shipped lists and a teacher's own: the player's language comes first, the rest keep their
// order; an old file without the field is English, and the field's value may carry a country.
TEST(VocabularyWords, ThePlayersLanguageComesFirst)
{
    ScratchDir dir;
    dir.Write("Animals.vcb", "$version=1.2\r\ncat\r\n");
    dir.Write("Deutsch.vcb", "$version=1.0\r\n$language=de\r\nHaus\r\n");
    dir.Write("Espa\xC3\xB1ol.vcb", "$LANGUAGE=es\r\ncasa\r\n");
    dir.Write("Food.vcb", "$language=en\r\n$fileformat=crypted\r\n");
    dir.Write("Fran\xC3\xA7"
              "ais.vcb",
              "$language=fr_CA.UTF-8\r\nmaison\r\n");
    dir.Write("Schule.vcb", "$language=DE-at\r\nTafel\r\n");
    const std::vector<std::string> titles = {"Animals",
                                             "Deutsch",
                                             "Espa\xF1ol",
                                             "Food",
                                             "Fran\xE7"
                                             "ais",
                                             "Missing",
                                             "Schule"};
    const struct {
        const char* language;
        std::vector<std::string> order;
    } cases[] = {
        {"en",
         {"Animals", "Food", "Deutsch", "Espa\xF1ol",
          "Fran\xE7"
          "ais",
          "Missing", "Schule"}},
        {"de",
         {"Deutsch", "Schule", "Animals", "Espa\xF1ol", "Food",
          "Fran\xE7"
          "ais",
          "Missing"}},
        {"fr",
         {"Fran\xE7"
          "ais",
          "Animals", "Deutsch", "Espa\xF1ol", "Food", "Missing", "Schule"}},
        {"es",
         {"Espa\xF1ol", "Animals", "Deutsch", "Food",
          "Fran\xE7"
          "ais",
          "Missing", "Schule"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlayerLanguageFirst(titles, c.language), c.order) << c.language;
}

} // namespace

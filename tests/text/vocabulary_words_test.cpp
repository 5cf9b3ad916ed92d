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

TEST(VocabularyWords, TheByteOrderMarkDoesNotHideTheHeader)
{
    TTextFile f;
    const TVocabularyWords w = ReadFile(kBom + "$description=Mots fran\xC3\xA7"
                                               "ais\r\n$version=3\r\n\xC3\xA9t\xC3\xA9\r\n",
                                        f);
    EXPECT_TRUE(f.Utf8Bom);
    EXPECT_EQ(f.HeaderLines, 2);
    EXPECT_EQ(f.Version, "3");
    EXPECT_EQ(VocabularyText(f.Description, w.Utf8), "Mots fran\xE7"
                                                     "ais");
    EXPECT_EQ(w.Words, std::vector<std::string>{"\xE9t\xE9"});
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

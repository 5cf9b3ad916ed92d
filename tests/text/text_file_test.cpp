#include "scratch_dir.h"
#include "text_file.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Read {
    std::string text;
    int result;
    int position;
};

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<Read> reads; // up to and including the first result other than 1
};

TEST(TextFileLines, LineEndsLengthsAndNul)
{
    const std::string x254(254, 'x'), x255(255, 'x'), x256(256, 'x');
    const std::vector<LineCase> cases = {
        {"CR LF", "ab\r\ncd\r\n", {{"ab", 1, 4}, {"cd", 1, 8}, {"", 0, 8}}},
        {"LF", "ab\ncd\n", {{"ab", 1, 3}, {"cd", 1, 6}, {"", 0, 6}}},
        {"CR", "ab\rcd\r", {{"ab", 1, 3}, {"cd", 1, 6}, {"", 0, 6}}},
        {"LF CR is two ends", "ab\n\rcd", {{"ab", 1, 3}, {"", 1, 4}, {"cd", 0, 6}}},
        {"last line without end", "cat", {{"cat", 0, 3}}},
        {"empty file", "", {{"", 0, 0}}},
        {"254 characters", x254 + "\r\nnext", {{x254, 1, 256}, {"next", 0, 260}}},
        {"255 characters CR LF", x255 + "\r\nnext", {{x255, 0, 257}}},
        {"255 characters LF", x255 + "\nnext", {{x255, 0, 256}}},
        {"256 characters", x256 + "\r\nnext", {{x255, 0, 257}}},
        {"256 characters at the end", x256, {{x255, 0, 256}}},
        {"NUL ends the text", std::string("ab\0cd\r\nef\r\n", 11), {{"ab", 0, 7}}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        dir.Write("f.txt", c.bytes);
        TTextFile f;
        ASSERT_EQ(f.OpenFile("f.txt", 1), 1);
        for (const Read& r : c.reads) {
            std::string text = "stale";
            EXPECT_EQ(f.ReadLine(text, 255), r.result);
            EXPECT_EQ(text, r.text);
            EXPECT_EQ(f.Position, r.position);
        }
    }
}

// Lines are read ahead in large pieces; lines that straddle the end of a piece, and CR LF pairs split
// between two pieces, must read as they do anywhere else in the file.
TEST(TextFileLines, LinesAcrossTheReadAheadReadTheSame)
{
    std::string bytes;
    std::vector<std::string> expected;
    const char* ends[] = {"\r\n", "\n", "\r"};
    for (int i = 0; bytes.size() < 300000; ++i) {
        expected.emplace_back(static_cast<std::size_t>(i * 37 % 255), static_cast<char>('a' + i % 26));
        bytes += expected.back() + ends[i % 3];
    }
    expected.push_back(std::string(254, 'z')); // the last line, without a line end
    bytes += expected.back();
    ScratchDir dir;
    dir.Write("big.txt", bytes);
    TTextFile f;
    ASSERT_EQ(f.OpenFile("big.txt", 1), 1);
    std::vector<std::string> got;
    do {
        std::string text;
        f.ReadLine(text, 255);
        got.push_back(text);
    } while (f.Status == 1 && got.size() <= expected.size());
    EXPECT_EQ(f.Status, 0);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        ASSERT_EQ(got[i], expected[i]) << "line " << i;
}

struct HeaderCase {
    const char* name;
    std::string bytes;
    int status;
    std::string version, description, author;
    bool crypted;
    std::string firstBody; // what the first ReadLine after the open gives
};

TEST(TextFileHeader, ScanTakesKeysValuesAndEscapes)
{
    std::string sixteen;
    for (int i = 1; i <= 16; ++i)
        sixteen += "$line" + std::to_string(i) + "\r\n";
    const std::string scrambledPlain =
        "$fileformat=crypted\r\n" + TTextFile::Scramble("$fileformat=plain") + "\r\n";
    const std::vector<HeaderCase> cases = {
        {"keys in any case", "$Version=1.0\r\n$AUTHOR=Ann\r\nword\r\n", 1, "1.0", "", "Ann", false, "word"},
        {"semicolon as separator", "$Description=Part one;two\r\nw\r\n", 1, "", "Part one", "", false, "w"},
        {"escaped semicolon", "$description=Part one%;two\r\nw\r\n", 1, "", "Part one;two", "", false, "w"},
        {"blank before equals", "$description = Part one\r\nw\r\n", 1, "", "", "", false, "w"},
        {"blanks around line", " \t$version=1.0 \t\r\nw\r\n", 1, "1.0", "", "", false, "w"},
        {"key without value", "$author\r\n$author=\r\nw\r\n", 1, "", "", "", false, "w"},
        {"crypted any case", "$fileformat=Crypted\r\n", 1, "", "", "", true, ""},
        {"scrambled line after format", scrambledPlain, 1, "", "", "", false, ""},
        {"blank line ends header", "$version=1\r\n\r\n$author=x\r\n", 1, "1", "", "", false, ""},
        {"sixteenth line is body", sixteen, 1, "", "", "", false, "$line16"},
        {"body line without end", "$version=2\r\ncat", 1, "2", "", "", false, "cat"},
        {"header line without end", "$version=2", 1, "2", "", "", false, ""},
        {"one word without end", "cat", 1, "", "", "", false, "cat"},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        dir.Write("h.vcb", c.bytes);
        TTextFile f;
        EXPECT_EQ(f.OpenFile("h.vcb", 1), c.status);
        EXPECT_EQ(f.Version, c.version);
        EXPECT_EQ(f.Description, c.description);
        EXPECT_EQ(f.Author, c.author);
        EXPECT_EQ(f.Crypted, c.crypted);
        std::string text;
        f.ReadLine(text, 255);
        EXPECT_EQ(text, c.firstBody);
    }
}

TEST(TextFileScrambling, BodyRoundTripsAndLineEndsStayPlain)
{
    ScratchDir dir;
    const std::vector<std::string> words = {"apple", "big bird", "caf\xE9"};
    for (bool scrambled : {false, true}) {
        TTextFile out;
        ASSERT_EQ(out.OpenFile(scrambled ? "s.vcb" : "p.vcb", 2), 1);
        out.WriteLine(scrambled ? "$fileformat=crypted" : "$fileformat=unknown");
        for (const std::string& w : words)
            out.WriteLine(scrambled ? TTextFile::Scramble(w) : w);
        EXPECT_EQ(out.CloseFile(), 2);
    }
    const std::string plain = dir.Read("p.vcb"), scrambled = dir.Read("s.vcb");
    ASSERT_EQ(plain.size(), scrambled.size());
    const std::size_t body = plain.find('\n') + 1;
    for (std::size_t i = body; i < plain.size(); ++i) {
        const bool lineEnd = plain[i] == '\r' || plain[i] == '\n';
        EXPECT_EQ(scrambled[i], lineEnd ? plain[i] : static_cast<char>(plain[i] ^ 0xB7)) << "byte " << i;
    }
    TTextFile in;
    ASSERT_EQ(in.OpenFile("S.VCB", 1), 1);
    EXPECT_TRUE(in.Crypted);
    for (const std::string& w : words) {
        std::string text;
        EXPECT_EQ(in.ReadLine(text, 255), 1);
        EXPECT_EQ(text, w);
    }
}

TEST(TextFileModes, WriteAppendAndCaseInsensitiveNames)
{
    ScratchDir dir;
    dir.Write("errors.log", "old\r\n");
    TTextFile missing;
    EXPECT_EQ(missing.OpenFile("nothing.log", 3), -2); // append never creates
    EXPECT_EQ(missing.CloseFile(), -2);
    {
        TTextFile log;
        ASSERT_EQ(log.OpenFile("Errors.log", 3), 1);
        EXPECT_EQ(log.Size, 5);
        EXPECT_EQ(log.Position, 5);
        EXPECT_EQ(log.WriteLine("new"), 1);
    }
    EXPECT_EQ(dir.Read("errors.log"), "old\r\nnew\r\n");
    EXPECT_FALSE(dir.Exists("Errors.log")) << "append must reach the existing file";
    {
        TTextFile log;
        ASSERT_EQ(log.OpenFile("ERRORS.LOG", 2), 1);
        log.WriteLine("x");
    }
    EXPECT_EQ(dir.Read("errors.log"), "x\r\n");
    TTextFile none;
    EXPECT_EQ(none.OpenFile("absent.vcb", 1), -1);
    TTextFile closed;
    EXPECT_EQ(closed.WriteLine("lost"), -5);
}

TEST(TextFileModes, SecondOpenIsRefusedAndKeepsTheFirstFile)
{
    ScratchDir dir;
    dir.Write("a.vcb", "cat\r\n");
    dir.Write("b.vcb", "dog\r\n");
    {
        TTextFile f;
        ASSERT_EQ(f.OpenFile("a.vcb", 1), 1);
        EXPECT_EQ(f.OpenFile("b.vcb", 1), -3);
        EXPECT_EQ(f.FileName, "a.vcb");
        TTextFile writer;
        EXPECT_EQ(writer.OpenFile("a.vcb", 2), -2) << "a.vcb must still be held";
    }
    TTextFile writer;
    EXPECT_EQ(writer.OpenFile("a.vcb", 2), 1) << "destruction must release a.vcb";
}

TEST(TextFileSharing, ReadersShareWritersAreAlone)
{
    struct Case {
        int first, second, expected;
    } const cases[] = {{1, 1, 1}, {1, 2, -2}, {1, 3, -2}, {3, 1, -2}, {3, 3, -2}, {2, 1, -2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + " then " + std::to_string(c.second));
        ScratchDir dir;
        dir.Write("shared.txt", "line\r\n");
        TTextFile a, b;
        ASSERT_EQ(a.OpenFile("shared.txt", c.first), 1);
        EXPECT_EQ(b.OpenFile("shared.txt", c.second), c.expected);
    }
}

} // namespace

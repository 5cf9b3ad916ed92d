#include "file.h"
#include "scratch_dir.h"
#include "text_file.h"
#include "text_functions.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

TEST(SplitTokens, DelimitersRunsAndEscapes)
{
    struct Case {
        std::string text, delimiters;
        Strings tokens;
    } const cases[] = {
        {";;a;;b;", ";", {"a", "b"}},
        {"a, b", "", {"a", "b"}},
        {"a\r\nb c", "", {"a", "b", "c"}},
        {"Event=Tris;0;animals.vcb", "=;", {"Event", "Tris", "0", "animals.vcb"}},
        {"$description=Part one%;two", "=;", {"$description", "Part one;two"}},
        {"a%b;c%", ";", {"a%b", "c%"}},
        {"x;%;y", ";", {"x", ";y"}},
        {"a%%;b", ";", {"a%;b"}},
        {";;;", ";", {}},
        {"", ";", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitTokens(c.text, c.delimiters), c.tokens) << c.text;
}

TEST(TrimBlanks, RemovesSpacesAndTabsAtBothEndsOnly)
{
    EXPECT_EQ(TrimBlanks(" \t ab c\t "), "ab c");
    EXPECT_EQ(TrimBlanks("\t \t"), "");
    EXPECT_EQ(TrimBlanks("\nx "), "\nx");
}

TEST(TitleCase, FirstLetterAndLetterAfterFirstSpace)
{
    struct Case {
        std::string name, title;
    } const cases[] = {
        {"animal names list", "Animal Names list"},
        {"BIG WORDS", "Big Words"},
        {"a b", "A b"},
        {"ab ", "Ab "},
        {"two  spaces", "Two  spaces"},
        {"1abc def", "1abc Def"},
        {"\xC9"
         "COLE",
         "\xC9"
         "cole"},
        // Letters beyond ASCII take their capital from the code page, where it has one.
        {"\xFC"
         "bung \xE9t\xE9",
         "\xDC"
         "bung \xC9t\xE9"},
        {"\xDF"
         "x \xFF"
         "ab",
         "\xDF"
         "x \x9F"
         "ab"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TitleCase(c.name), c.title) << c.name;
}

// Both cuts of UTF-8 text, at a capacity and at the end of bytes cut off before, leave out a character
// they would split, and only that.
TEST(Utf8Prefix, NeverEndsInsideACharacter)
{
    struct Case {
        std::string text;
        std::size_t capacity;
        std::string prefix;
    } const cases[] = {
        {"ab\xC3\xA9", 3, "ab"},            // the cut falls inside a two-byte letter
        {"ab\xC3\xA9", 4, "ab\xC3\xA9"},    // right after it
        {"ab\xC3\xA9x", 99, "ab\xC3\xA9x"}, // nothing to cut
        {"a\xE6\x97\xA5", 3, "a"},          // three bytes, two kept
        {"a\xF0\x9F\x98\x80", 4, "a"},      // four bytes, three kept
        {"a\xF0\x9F\x98\x80", 5, "a\xF0\x9F\x98\x80"},
        {"ab\xC3", 3, "ab"}, // cut off before: the lead byte alone goes
        {"a\xE6\x97", 3, "a"},
        {"\xC3\xA9", 0, ""},
        {"", 5, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8Prefix(c.text, c.capacity), c.prefix) << c.text << " at " << c.capacity;
}

TEST(ListFileTitles, VisibleRegularFilesOnly)
{
    ScratchDir dir;
    for (const char* name :
         {"animals.vcb", "big words.vcb", "a b.vcb", ".hidden.vcb", "notes.txt", "x.y.VCB"})
        dir.Write(name, "w\r\n");
    std::filesystem::create_directory(dir.Path() + "/folder.vcb");
    std::filesystem::create_directory(dir.Path() + "/more");
    dir.Write("more/fish.vcb", "w\r\n");

    Strings titles = TFile::ListFileTitles("*.vcb");
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles, (Strings{"A b", "Animals", "Big Words", "X.y"}));
    EXPECT_EQ(TFile::ListFileTitles("More/*.vcb"), Strings{"Fish"});
    EXPECT_TRUE(TFile::ListFileTitles("absent/*.vcb").empty());
}

// Every title must open, as the games open it (title + ".vcb"), the file it was made from: each file here
// holds its own name, and the one that cannot be read is not listed.
TEST(ListFileTitles, EachTitleOpensItsOwnFile)
{
    ScratchDir dir;
    Strings names = {"words v1.5.vcb", "french.level2.vcb", "French.vcb",   "FRENCH.vcb",
                     "french.vcb",     "big Words.vcb",     "Big words.vcb"};
    for (const std::string& name : names)
        dir.Write(name, name + "\r\n");
    // Root reads any file; a link of another owner is refused to root as well.
    if (::geteuid() == 0) {
        dir.Write("elsewhere", "unreadable.vcb\r\n");
        std::filesystem::create_symlink("elsewhere", "unreadable.vcb");
        ASSERT_EQ(::lchown("unreadable.vcb", 65534, 65534), 0);
    } else {
        dir.Write("unreadable.vcb", "unreadable.vcb\r\n");
        ::chmod("unreadable.vcb", 0);
    }

    const Strings titles = TFile::ListFileTitles("*.vcb");
    EXPECT_EQ(titles, (Strings{"Big Words", "FRENCH", "French", "French.level2", "Words V1.5", "big Words",
                               "french"}));
    Strings opened;
    for (const std::string& title : titles) {
        TTextFile file;
        std::string line;
        EXPECT_EQ(file.OpenFile(title + ".vcb", 1), 1) << title;
        file.ReadLine(line, 255);
        opened.push_back(line);
    }
    std::sort(opened.begin(), opened.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(opened, names);
}

} // namespace

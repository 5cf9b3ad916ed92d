#include "file.h"
#include "scratch_dir.h"
#include "text_functions.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
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
         "\xE9"
         "cole"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TitleCase(c.name), c.title) << c.name;
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
    EXPECT_EQ(titles, (Strings{"A b", "Animals", "Big Words", "X"}));
    EXPECT_EQ(TFile::ListFileTitles("More/*.vcb"), Strings{"Fish"});
    EXPECT_TRUE(TFile::ListFileTitles("absent/*.vcb").empty());
}

} // namespace

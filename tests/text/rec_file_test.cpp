#include "rec_file.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(RecFileFields, LayoutOnDiskIsLittleEndianWithZeroFiller)
{
    ScratchDir dir;
    // An old, longer file full of 0xFF: rewriting in place must leave zeros after each text.
    dir.Write("t.kvt", std::string(600, '\xFF'));
    {
        TRecFile f;
        ASSERT_EQ(f.OpenFile("t.kvt", 1, -1), 1);
        EXPECT_EQ(f.RecordCount(514), 1);
        f.WriteStr("abc");
        f.WriteWord(-2);
        f.WriteWord(0x1234);
        EXPECT_EQ(f.WriteStr(std::string(300, 'x')), 1);
    }
    const std::string disk = dir.Read("t.kvt");
    ASSERT_EQ(disk.size(), 600u) << "rewriting does not truncate";
    EXPECT_EQ(disk.substr(0, 4), std::string("\x03"
                                             "abc"));
    EXPECT_EQ(disk.substr(4, 252), std::string(252, '\0'));
    EXPECT_EQ(disk.substr(256, 4), std::string("\xFE\xFF\x34\x12"));
    EXPECT_EQ(disk.substr(260, 256), "\xFF" + std::string(255, 'x'));

    TRecFile f;
    ASSERT_EQ(f.OpenFile("T.KVT", 1, -2), 1);
    std::string name, longText;
    std::int16_t a = 0, b = 0;
    f.ReadStr(name, 255);
    f.ReadWord(a);
    f.ReadWord(b);
    EXPECT_EQ(f.ReadStr(longText, 255), 1);
    EXPECT_EQ(name, "abc");
    EXPECT_EQ(a, -2);
    EXPECT_EQ(b, 0x1234);
    EXPECT_EQ(longText, std::string(255, 'x'));
    EXPECT_EQ(f.Position, 516);
}

TEST(RecFileFields, ShortReadsEndTheDataWithoutOverrunning)
{
    ScratchDir dir;
    dir.Write("cut.kvt", std::string("\xC8"
                                     "ab",
                                     3)); // the length byte claims 200 characters
    TRecFile f;
    ASSERT_EQ(f.OpenFile("cut.kvt", 1, -2), 1);
    std::string text;
    EXPECT_EQ(f.ReadStr(text, 255), 0);
    EXPECT_EQ(text, "ab");
    std::int16_t value = 7;
    EXPECT_EQ(f.ReadWord(value), 0) << "reads need status 1";
    EXPECT_EQ(value, 7);
}

TEST(RecFileOpen, MissingCreatedAndFailedFiles)
{
    ScratchDir dir;
    TRecFile missing;
    EXPECT_EQ(missing.OpenFile("none.kvt", 1, -2), -1);
    EXPECT_EQ(missing.RecordCount(514), 0);
    TRecFile made;
    EXPECT_EQ(made.OpenFile("new.kvt", 5, -1), 1);
    EXPECT_EQ(made.Size, 0);
    EXPECT_EQ(made.RecordCount(514), 0);
    EXPECT_EQ(made.OpenFile("new.kvt", 1, -2), -3);
    EXPECT_EQ(made.CloseFile(), 2);
    EXPECT_TRUE(dir.Exists("new.kvt"));
    dir.Write("two.kvt", std::string(1030, '\0'));
    TRecFile two;
    ASSERT_EQ(two.OpenFile("two.kvt", 2, -2), 1);
    EXPECT_EQ(two.RecordCount(514), 2);
    TRecFile busy;
    EXPECT_EQ(busy.OpenFile("two.kvt", 1, -1), -2);
    EXPECT_EQ(busy.RecordCount(514), 0);
    EXPECT_EQ(busy.CloseFile(), -2);
}

TEST(RecFileSharing, ReadersShareWritersAreAlone)
{
    struct Side {
        int mode, share;
    };
    struct Case {
        Side first, second;
        int expected;
    } const cases[] = {
        {{1, -2}, {1, -2}, 1},  {{1, -2}, {1, -1}, -2}, {{1, -1}, {1, -2}, -2}, {{1, -1}, {1, -1}, -2},
        {{5, -1}, {1, -2}, -2}, {{1, -2}, {5, -1}, -2}, {{1, 0}, {1, 0}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.first.mode) + "/" + std::to_string(c.first.share) + " then " +
                     std::to_string(c.second.mode) + "/" + std::to_string(c.second.share));
        ScratchDir dir;
        dir.Write("s.kvt", std::string(514, 'r'));
        TRecFile a, b;
        ASSERT_EQ(a.OpenFile("s.kvt", c.first.mode, c.first.share), 1);
        EXPECT_EQ(b.OpenFile("s.kvt", c.second.mode, c.second.share), c.expected);
        EXPECT_EQ(dir.Read("s.kvt").size(), c.first.mode == 5 ? 0u : 514u)
            << "a refused create empties nothing";
        a.CloseFile();
        b.CloseFile();
        TRecFile again;
        EXPECT_EQ(again.OpenFile("s.kvt", c.second.mode, c.second.share), 1) << "closing frees the file";
    }
}

} // namespace

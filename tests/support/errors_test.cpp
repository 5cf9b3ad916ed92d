#include "errors.h"
#include "scratch_dir.h"
#include "test_platform.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

class ErrorReport : public testing::Test {
  protected:
    // The log's lines; every line must end with CR LF.
    Lines LogLines()
    {
        Lines lines;
        const std::string text = dir.Read("Errors.log");
        for (std::size_t at = 0, end; at < text.size(); at = end + 2) {
            end = text.find("\r\n", at);
            if (end == std::string::npos) {
                ADD_FAILURE() << "line without CR LF: " << text.substr(at);
                break;
            }
            lines.push_back(text.substr(at, end - at));
        }
        return lines;
    }
    std::string Box(std::size_t i) { return platform.dialogs->shown.at(i).text; }
    ScratchDir dir;
    TestPlatform platform;
};

TEST_F(ErrorReport, FirstReportWritesTheHeaderAndEveryReportAppendsOneEntry)
{
    platform.clock->startDate = 46000 + (9 * 3600 + 5 * 60 + 7) / 86400.0;
    // The entry keeps the moment of the error, not the moment the box was dismissed.
    platform.dialogs->onShow = [this] { platform.clock->Advance(3600 * 1000); };

    EXPECT_EQ(ReportError(-7, "scores.kvt"), 0);
    EXPECT_EQ(ReportErrorPair(-5452, 0), 0);
    EXPECT_EQ(Box(0), "#-7 Unknown error -7\n\rscores.kvt");
    EXPECT_EQ(Box(1), "#-5452 " + ErrorText(-5452) + "\n\r(0)");
    EXPECT_EQ(platform.dialogs->shown[1].caption, "Keyvane's Games!");

    const Lines lines = LogLines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_TRUE(lines[0].starts_with("Keyvane ") && lines[0].ends_with(" error file.  ")) << lines[0];
    EXPECT_EQ(lines[1], "Please send this file to author: support@keyvane-games.example! ");
    const std::string separator(58, '-');
    EXPECT_EQ(
        Lines(lines.begin() + 2, lines.end()),
        (Lines{separator, lines[3], "#-7  Unknown error -7", " - scores.kvt", separator, lines[7],
               "#-5452  WWW-browser/email software is not properly installed or file extension launch error",
               " - (0) = 0"}));
    EXPECT_TRUE(lines[3].starts_with("09:05:07 Build ") && lines[3].find(") compiled ") != std::string::npos)
        << lines[3];
    EXPECT_TRUE(lines[7].starts_with("10:05:07 Build ")) << lines[7];
}

TEST_F(ErrorReport, MessageSpacesAreKeptAndLongDetailsCutTo255Characters)
{
    std::string detail;
    for (int i = 0; i < 300; ++i)
        detail += static_cast<char>('a' + i % 26);
    ReportError(-802, detail);
    ReportErrorPair(-801, -802);

    EXPECT_EQ(Box(0), "#-802  Time out while opening for write-denied read mode\n\r" + detail.substr(0, 255));
    EXPECT_EQ(Box(1), "#-801 Time out while opening for exclusive write mode \n\r" + ErrorText(-802));
    const Lines lines = LogLines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[4], "#-802   Time out while opening for write-denied read mode");
    EXPECT_EQ(lines[5], " - " + detail.substr(0, 252));
    EXPECT_EQ(lines[9], " -  Time out while opening for write-denied read mode = -802");
}

// A log that cannot be opened or created is skipped silently: the box still shows, the result is 0.
TEST_F(ErrorReport, UnwritableLogStillShowsTheBoxAndReturnsZero)
{
    fs::create_directory("Errors.log"); // the name is taken by a folder
    fs::create_directories("locked/gone");
    fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(ReportError(-1, "a"), 0);
    fs::current_path("locked");
    EXPECT_EQ(ReportError(-1, "b"), 0); // read-only folder (a superuser writes anyway)
    fs::current_path("gone");
    fs::permissions("..", fs::perms::owner_write, fs::perm_options::add);
    fs::remove(fs::current_path()); // folder removed under the program
    EXPECT_EQ(ReportError(-1, "c"), 0);

    ASSERT_EQ(platform.dialogs->shown.size(), 3u);
    EXPECT_EQ(Box(2), "#-1 File not found\n\rc");
    EXPECT_TRUE(fs::is_directory(dir.Path() + "/Errors.log"));
    if (geteuid() != 0) {
        EXPECT_FALSE(fs::exists(dir.Path() + "/locked/Errors.log"));
    }
}

} // namespace

#include "file_system.h"
#include "scratch_dir.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using Strings = std::vector<std::string>;

TEST(FileSystemOpen, SharingConflictsAreBusy)
{
    using A = TFileAccess;
    using S = TFileShare;
    struct Side {
        A access;
        S share;
    };
    struct Case {
        Side first, second;
        bool busy;
    } const cases[] = {
        {{A::Read, S::DenyWrite}, {A::Read, S::DenyWrite}, false},
        {{A::Read, S::DenyWrite}, {A::Write, S::DenyWrite}, true},
        {{A::Write, S::DenyWrite}, {A::Read, S::DenyWrite}, true},
        {{A::ReadWrite, S::DenyAll}, {A::Read, S::DenyNone}, true},
        {{A::Read, S::DenyNone}, {A::ReadWrite, S::DenyAll}, true},
        {{A::ReadWrite, S::DenyNone}, {A::ReadWrite, S::DenyNone}, false},
    };
    ScratchDir dir;
    dir.Write("f", "data");
    for (const Case& c : cases) {
        TFileOpenError error = TFileOpenError::None;
        const int a = FileSystem::Open("f", c.first.access, c.first.share, TFileCreation::OpenExisting);
        ASSERT_GE(a, 0);
        const int b =
            FileSystem::Open("f", c.second.access, c.second.share, TFileCreation::OpenExisting, &error);
        EXPECT_EQ(b < 0, c.busy) << &c - cases;
        EXPECT_EQ(error, c.busy ? TFileOpenError::Busy : TFileOpenError::None) << &c - cases;
        FileSystem::Close(a);
        FileSystem::Close(b);
    }
}

TEST(FileSystemOpen, RefusalsOtherThanSharingAreTold)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir.Path() + "/folder");
    TFileOpenError error = TFileOpenError::None;
    EXPECT_LT(FileSystem::Open("missing", TFileAccess::Read, TFileShare::DenyWrite,
                               TFileCreation::OpenExisting, &error),
              0);
    EXPECT_EQ(error, TFileOpenError::NotFound);
    EXPECT_LT(FileSystem::Open("folder", TFileAccess::Read, TFileShare::DenyWrite,
                               TFileCreation::OpenExisting, &error),
              0);
    EXPECT_EQ(error, TFileOpenError::Refused);
    EXPECT_LT(FileSystem::Open("missing", TFileAccess::Write, TFileShare::DenyWrite,
                               TFileCreation::AppendExisting, &error),
              0);
    EXPECT_EQ(error, TFileOpenError::NotFound);
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    std::filesystem::permissions(dir.Path() + "/folder",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_LT(FileSystem::Open("folder/new", TFileAccess::Write, TFileShare::DenyAll,
                               TFileCreation::CreateOrEmpty, &error),
              0);
    EXPECT_EQ(error, TFileOpenError::Refused);
}

TEST(FileSystemOpen, CreateEmptiesOnlyOnceTheFileIsItsOwn)
{
    ScratchDir dir;
    dir.Write("scores", "precious");
    const int reader =
        FileSystem::Open("scores", TFileAccess::Read, TFileShare::DenyWrite, TFileCreation::OpenExisting);
    ASSERT_GE(reader, 0);
    EXPECT_LT(
        FileSystem::Open("scores", TFileAccess::ReadWrite, TFileShare::DenyAll, TFileCreation::CreateOrEmpty),
        0);
    EXPECT_EQ(dir.Read("scores"), "precious");
    FileSystem::Close(reader);
    const int writer =
        FileSystem::Open("SCORES", TFileAccess::ReadWrite, TFileShare::DenyAll, TFileCreation::CreateOrEmpty);
    ASSERT_GE(writer, 0);
    EXPECT_NE(fcntl(writer, F_GETFD) & FD_CLOEXEC, 0) << "handles must not leak into started programs";
    FileSystem::Close(writer);
    EXPECT_EQ(dir.Read("scores"), "");
    EXPECT_FALSE(dir.Exists("SCORES"));
}

// A link of another user in a folder on the way, not only at the end of the name, would lead an
// opening into that user's files; the player's own links are followed wherever they are.
TEST(FileSystemOpen, OnlyTrustedLinksAreFollowedAnywhereOnTheWay)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a link another owner";
    namespace fs = std::filesystem;
    ScratchDir dir;
    fs::create_directory("real");
    dir.Write("real/file", "data");
    fs::create_symlink("real", "own");
    fs::create_symlink("real", "foreign");
    fs::create_symlink("foreign", "own-to-foreign");
    ASSERT_EQ(::lchown("foreign", 65534, 65534), 0);
    const struct {
        const char* name;
        const char* resolved; // nullptr: refused
        TFileOpenError error;
    } cases[] = {
        {"own/file", "real/file", TFileOpenError::None},
        {"own/../real/./file", "real/file", TFileOpenError::None},
        {"foreign/file", nullptr, TFileOpenError::Refused},
        {"own-to-foreign/file", nullptr, TFileOpenError::Refused},
        {"missing/foreign/file", "missing/foreign/file", TFileOpenError::NotFound},
    };
    for (const auto& c : cases) {
        std::string resolved;
        EXPECT_EQ(FileSystem::ResolveLinks(c.name, resolved), c.resolved != nullptr) << c.name;
        if (c.resolved) {
            EXPECT_EQ(resolved, c.resolved) << c.name;
        }
        TFileOpenError error = TFileOpenError::None;
        const int fd = FileSystem::Open(c.name, TFileAccess::Read, TFileShare::DenyWrite,
                                        TFileCreation::OpenExisting, &error);
        EXPECT_EQ(fd >= 0, c.error == TFileOpenError::None) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
        FileSystem::Close(fd);
    }
}

TEST(FileSystemNames, ExistingPartsMatchWithoutRegardToCase)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir.Path() + "/sub");
    dir.Write("sub/animals.vcb", "");
    EXPECT_EQ(FileSystem::NativePath("SUB/Animals.VCB"), "sub/animals.vcb");
    EXPECT_EQ(FileSystem::NativePath("Sub/New.txt"), "sub/New.txt");
    EXPECT_EQ(FileSystem::NativePath("Nope/Animals.vcb"), "Nope/Animals.vcb");
    EXPECT_EQ(FileSystem::NativePath(dir.Path() + "/SUB/./animals.VCB"), dir.Path() + "/sub/./animals.vcb");
    EXPECT_TRUE(FileSystem::FileExists("sub/ANIMALS.vcb"));
    EXPECT_FALSE(FileSystem::FileExists("Sub"));
}

TEST(FileSystemNames, MasksAndListing)
{
    struct Case {
        const char* name;
        const char* mask;
        bool match;
    } const cases[] = {
        {"animals.vcb", "*.vcb", true},
        {"ANIMALS.VCB", "*.vcb", true},
        {"animals.vcbx", "*.vcb", false},
        {"a.vcb.txt", "*.vcb", false},
        {"ab.vcb", "a?.vcb", true},
        {"a.vcb", "a?.vcb", false},
        {"x", "*", true},
        {"caf\xC9", "CAF\xE9", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileSystem::MatchesMask(c.name, c.mask), c.match) << c.name << " " << c.mask;

    ScratchDir dir;
    for (const char* name :
         {"a.vcb", "B.VCB", ".hidden.vcb", "notes.txt", "caf\xC3\xA9.vcb", "\xE6\x97\xA5.vcb"})
        dir.Write(name, "");
    std::filesystem::create_directory(dir.Path() + "/dir.vcb");
    Strings names = FileSystem::ListFiles("*.vcb");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Strings{"B.VCB", "a.vcb", "caf\xE9.vcb"}));
}

} // namespace

#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Files as the program sees them: names are Windows-1252 texts, names of existing files and folders
// match without regard to case, and every opening says what it needs and what it lets others do at
// the same time. Other openers are kept out with advisory locks (flock), so the rules hold between
// copies of this program, and between two openings inside one process.

enum class TFileAccess { Read, Write, ReadWrite };

// What other openers may do while this opening lasts.
enum class TFileShare {
    DenyNone,  // others may read and write
    DenyWrite, // others may read, not write
    DenyAll    // nobody else may open the file
};

enum class TFileCreation {
    OpenExisting,   // fails when the file is missing
    AppendExisting, // fails when the file is missing; every write goes to the end
    CreateOrEmpty,  // made when missing, emptied when present
    OpenOrCreate    // made when missing, kept as it is when present
};

enum class TFileOpenError {
    None,
    NotFound, // the file (or its folder) does not exist
    Busy,     // another opener holds the file in a way this opening cannot share
    Refused   // anything else: no permission, read-only folder, a folder or device by that name...
};

namespace FileSystem {

// Opens a file and returns its handle, or -1 with the reason in *error (when given). A symbolic link,
// at the end of the name or in any folder on the way, is followed only when it belongs to the user
// running the program or to the superuser: in a folder that several players share, a link planted by
// another would make this program read or write wherever it points. Such a link is refused (Refused).
int Open(const std::string& name, TFileAccess access, TFileShare share, TFileCreation creation,
         TFileOpenError* error = nullptr);

// Reads up to count bytes (fewer only at the end of the file); -1 on failure.
int Read(int handle, char* buffer, int count);
// Writes count bytes; returns how many were written, -1 when nothing could be written.
int Write(int handle, const char* data, int count);
bool Seek(int handle, std::int64_t offset);
// Length in bytes, -1 when unknown.
std::int64_t Length(int handle);
// False when the system reports an input/output error (or the handle was not open).
bool Close(int handle);
// Makes sure everything written reaches the disk; false when the system reports an error.
bool Flush(int handle);

// True when path (the system's bytes) lies on a file system that other machines share through a
// server (NFS, SMB/CIFS, SSHFS and other FUSE file systems, Ceph, AFS, 9P).
bool OnNetworkFileSystem(const std::string& path);

// Reads the file open on handle from its start into contents, as the file holds it now, but no more
// than limit bytes when limit is not negative (a table of a few rows may be a sparse file of gigabytes
// that takes no disk space). On a network file system the length and the pages the system keeps may
// be those of a file that another machine has replaced since; the bytes are then read from the
// server, to the end it reports. False when the file cannot be read.
bool ReadContents(int handle, std::string& contents, std::int64_t limit = -1);

// Writes count bytes of data over the start of the file open on handle, whose name is name, keeping
// what the file holds beyond them up to keepUpTo bytes in all (negative: all of it), so that a
// reader, a crash or a full disk finds the old contents or the new ones, never a mixture. The new
// contents go to a new file beside it, whose name is this copy's own (host and process), reach the
// disk, and then take the name (the file behind a link of the user's own is the one replaced). The
// handle's lock keeps other openers out until it is closed; they then open the new contents. Where a
// new file would change the file the players know (it has other names, or another owner would lose
// access), or the folder allows no new file or no rename over the file (a sticky folder, where only a
// file's owner may replace it), the bytes are written in place once the space they need is reserved.
// False when the new contents could not be written: the file is then as it was.
bool WriteContents(int handle, const std::string& name, const char* data, int count,
                   std::int64_t keepUpTo = -1);

// Faults of a disk that tests bring about; the file layer has none of its own.
struct TDiskFaults {
    // Bytes that may still be written: after them Write writes no further and reserving space fails,
    // as on a full disk. Negative: no limit.
    std::int64_t WriteBudget = -1;
    // So many of the next ReadContents calls fail, as on a read error of the disk or the network.
    int FailingReads = 0;
};
// Brings the faults about for as long as it lives; the ones before it come back when it ends.
class TScopedDiskFaults {
  public:
    explicit TScopedDiskFaults(const TDiskFaults& faults);
    ~TScopedDiskFaults();
    TScopedDiskFaults(const TScopedDiskFaults&) = delete;
    TScopedDiskFaults& operator=(const TScopedDiskFaults&) = delete;

  private:
    TDiskFaults before_;
};

// A file made by this program at path (the system's bytes) in a folder its group may write gets the
// folder's group and the group's read and write bits, whatever the player's umask, so that the other
// players of a class's folder can replace it. Files the program creates itself get this on creation.
void ShareWithFolderGroup(const std::string& path);

// True for an existing file that is not a folder.
bool FileExists(const std::string& name);

// The local path for a name: every part of it that exists is spelled as it is on disk, matched
// without regard to case ("Animals.vcb" gives "animals.vcb" when that exists); parts that do not
// exist are kept as given.
std::string NativePath(const std::string& name);

// Names (without folder) of the visible regular files matching a mask such as "*.vcb" or
// "words/*.vc?", in the order the system lists them. Mask letters match without regard to case.
// Names the code page cannot hold are left out, as they could not be opened by name.
std::vector<std::string> ListFiles(const std::string& pattern);

// Wildcard match of a whole name: "*" any run of characters, "?" exactly one; case-insensitive.
bool MatchesMask(const std::string& name, const std::string& mask);

// The functions below take paths as the system spells them (the bytes of the player's folder
// names, not texts of the code page), matched with case as given.

// The path path leads to, with every symbolic link on the way followed under the rule of Open: only
// links of the user running the program or of the superuser. False when a link of another user
// lies anywhere on the way, or links lead on without end.
bool ResolveLinks(const std::string& path, std::string& resolved);
// True when something, even a link that leads nowhere, has that name.
bool PathExists(const std::string& path);
// Gives a file another name in the same file system, replacing what had that name.
bool RenamePath(const std::string& from, const std::string& to);
// Makes the folder path with its missing parents, private to the user; true when it is a folder.
bool MakeFolders(const std::string& path);
// True when a user other than the one running the program may put files into folder: it belongs to
// another user (not the superuser), everybody may write it, or its group may and the group is not the
// user's own (the user's primary group with no other member).
bool FolderOpenToOthers(const std::string& folder);

// The folder part of a path ("." for a bare name, "/" for a name in the root), its last part, and
// a name joined to a folder.
std::string FolderOf(const std::string& path);
std::string BaseNameOf(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);

// Which file system a folder lies on: its type and device. A share that is unmounted leaves its
// mount point on the disk beneath, with another identity.
struct TFolderIdentity {
    long Type = 0;
    std::uint64_t Device = 0;
    bool Known = false;
    bool operator==(const TFolderIdentity&) const = default;
};
TFolderIdentity IdentifyFolder(const std::string& folder);

} // namespace FileSystem

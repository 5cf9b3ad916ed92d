#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The file operations of a class's folder that the plain file layer does not offer: files replaced
// whole with a mode of their own, files of other users read with a bound, and the moves of a new
// term. Paths here are the system's own bytes.
namespace ClassFolder {

// The login name of the user running the program; empty when the system knows none.
std::string LoginName();
// The login name of the user with uid; empty when the system knows none.
std::string LoginOf(std::uint32_t uid);

// True for an existing folder (a link of another user is not followed).
bool IsFolder(const std::string& path);

struct TReplace {
    unsigned Mode = 0640;
    long Gid = -1;        // the new file's group where the user may give it; -1: the folder's
    bool OwnOnly = true;  // a file of that name of another user is left alone
    bool TakeLock = true; // false: the caller holds the lock file already
    // The new file and the folder reach the disk before the call returns. A copy that can be made
    // again from elsewhere may leave that to the system: after a power cut it may then be missing or
    // empty, never a mixture of old and new.
    bool Flush = true;
};

// Replaces path by a new file holding bytes, with the mode and group of how, so that a reader finds
// the old file or the new one: the bytes go to a new file of a random hidden name beside it (made
// anew, never one found there), reach the disk (unless told otherwise) and then take the name; on a
// folder mounted from a server the change also holds the lock file beside path. A name held by no
// plain file is left alone. False with the reason in problem.
bool ReplaceWhole(const std::string& path, const std::string& bytes, const TReplace& how,
                  std::string& problem);

// The names (without folder) of the entries of folder ending in suffix, sorted; hidden ones left out.
// False when the folder cannot be listed (a pupil's view of the class's folder of copies).
bool ListNames(const std::string& folder, const std::string& suffix, std::vector<std::string>& names);

enum class TRead { Ok, Unreadable, NotAFile, TooLarge };
// Reads the plain file path (never through a link, never blocking on a pipe or device) when it holds
// at most limit bytes; its owner's uid goes to owner.
TRead ReadBounded(const std::string& path, std::int64_t limit, std::string& bytes, std::uint32_t& owner);

// Makes the folder path with mode, and group gid when not -1; false when it exists or cannot be made.
bool MakeFolder(const std::string& path, unsigned mode, long gid = -1);
// The mode bits and group of an existing path; false when it cannot be asked.
bool ModeOf(const std::string& path, unsigned& mode, long& gid);
// Renames from to to, never replacing an existing to; false with errno's text in problem.
bool MoveNew(const std::string& from, const std::string& to, std::string& problem);

} // namespace ClassFolder

#include "file.h"

#include "file_system.h"
#include "short_string.h"
#include "text_functions.h"

#include <algorithm>
#include <limits>

TFile::~TFile()
{
    if (Status != 2)
        CloseFile();
}

int TFile::CloseFile()
{
    if (Status == 2 || Status == -2)
        return Status;
    // Only a live handle is released, so a second close can never hit a descriptor that the
    // process has handed out again in the meantime.
    if (IsOpen()) {
        const bool closed = FileSystem::Close(Handle);
        Handle = -1;
        Status = closed ? 2 : -6;
    } else {
        Status = 2;
    }
    return Status;
}

int TFile::Opened(int handle, bool takeLength)
{
    Handle = handle;
    if (handle < 0) {
        Status = -2;
        Size = -1;
        Position = -1;
        return Status;
    }
    Size = 0;
    if (takeLength) {
        // Positions are 32 bits wide; a larger file is read as far as they reach.
        const std::int64_t length = FileSystem::Length(handle);
        Size = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(length, 0, std::numeric_limits<std::int32_t>::max()));
    }
    Position = 0;
    Status = 1;
    return Status;
}

namespace {

// The name and the file the game will open for it lead to the same file.
bool LeadsTo(const std::string& title, const std::string& name)
{
    return FileSystem::NativePath(title) == FileSystem::NativePath(name);
}

// A file the player cannot read would be listed for nothing; one that another opener holds may be
// free by the time it is chosen.
bool CanBeRead(const std::string& name)
{
    TFileOpenError error = TFileOpenError::None;
    const int handle =
        FileSystem::Open(name, TFileAccess::Read, TFileShare::DenyWrite, TFileCreation::OpenExisting, &error);
    FileSystem::Close(handle);
    return handle >= 0 || error == TFileOpenError::Busy;
}

} // namespace

std::vector<std::string> TFile::ListFileTitles(const std::string& pattern)
{
    const std::size_t slash = pattern.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
    // The extension a title is opened with: the mask's own (".vcb" of "*.vcb").
    const std::string mask = pattern.substr(folder.size());
    const std::size_t maskDot = mask.rfind('.');
    const std::string maskExt = maskDot == std::string::npos ? std::string() : mask.substr(maskDot);
    const bool fixedExt = maskExt.find_first_of("*?") == std::string::npos;

    std::vector<std::string> titles;
    for (const std::string& name : FileSystem::ListFiles(pattern)) {
        // Only the last "." starts the extension: "words v1.5.vcb" is "Words V1.5".
        const std::size_t dot = name.rfind('.');
        const std::string base = name.substr(0, dot);
        const std::string ext = fixedExt ? maskExt : name.substr(std::min(dot, name.size()));
        // A title is opened by its name matched without regard to case. Where that would open another
        // file (its name differs only in case), the file is listed by its own name, which it alone has.
        std::string title;
        for (const std::string& candidate : {ShortString(TitleCase(base)), ShortString(base)})
            if (title.empty() && LeadsTo(folder + candidate + ext, folder + name))
                title = candidate;
        if (!title.empty() && CanBeRead(folder + name))
            titles.push_back(title);
    }
    // The folder's own order is arbitrary on this platform; players expect the lists alphabetical.
    std::stable_sort(titles.begin(), titles.end());
    return titles;
}

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

std::vector<std::string> TFile::ListFileTitles(const std::string& pattern)
{
    std::vector<std::string> titles;
    for (const std::string& name : FileSystem::ListFiles(pattern))
        titles.push_back(ShortString(TitleCase(name.substr(0, name.find('.')))));
    // The folder's own order is arbitrary on this platform; players expect the lists alphabetical.
    std::stable_sort(titles.begin(), titles.end());
    return titles;
}

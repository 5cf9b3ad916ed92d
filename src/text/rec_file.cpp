#include "rec_file.h"

#include "file_system.h"
#include "short_string.h"

#include <algorithm>
#include <vector>

int TRecFile::OpenFile(const std::string& name, int mode, int share)
{
    // An object keeps its first file: opening again would lose the handle of the one that is open.
    if (Status == 1 || IsOpen()) {
        Status = -3;
        return Status;
    }
    if (mode != 1 && mode != 2 && mode != 5)
        return Status;
    FileName = ShortString(name);
    if (mode == 5)
        return Opened(FileSystem::Open(name, TFileAccess::ReadWrite, TFileShare::DenyAll,
                                       TFileCreation::CreateOrEmpty, &OpenError),
                      false);

    if (!FileSystem::FileExists(name)) {
        Status = -1;
        return Status;
    }
    TFileAccess access = TFileAccess::ReadWrite;
    TFileShare others = TFileShare::DenyNone;
    if (share == -2) {
        access = TFileAccess::Read;
        others = TFileShare::DenyWrite;
    } else if (share == -1) {
        others = TFileShare::DenyAll;
    }
    return Opened(FileSystem::Open(name, access, others, TFileCreation::OpenExisting, &OpenError), true);
}

int TRecFile::RecordCount(int recordSize) const
{
    return Size > 0 && recordSize > 0 ? Size / recordSize : 0;
}

int TRecFile::ReadField(char* buffer, int count)
{
    // Fields follow one another: reads and writes share the file's own offset, as they go in record order.
    const int n = FileSystem::Read(Handle, buffer, count);
    if (n < 0) {
        Status = -7;
        return -1;
    }
    Position += count;
    if (n < count)
        Status = 0;
    return n;
}

int TRecFile::ReadWord(std::int16_t& value)
{
    if (Status != 1)
        return Status;
    unsigned char bytes[2] = {0, 0};
    if (ReadField(reinterpret_cast<char*>(bytes), 2) == 2)
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)));
    return Status;
}

int TRecFile::ReadStr(std::string& text, int capacity)
{
    if (Status != 1)
        return Status;
    capacity = std::clamp(capacity, 0, static_cast<int>(kShortStringMax));
    std::vector<char> field(static_cast<std::size_t>(capacity) + 1);
    const int n = ReadField(field.data(), capacity + 1);
    if (n < 0)
        return Status;
    // A damaged length byte can claim more than the field holds; only characters that were read count.
    const int length =
        n > 0 ? std::min({static_cast<int>(static_cast<unsigned char>(field[0])), capacity, n - 1}) : 0;
    text.assign(field.data() + 1, static_cast<std::size_t>(length));
    return Status;
}

int TRecFile::WriteField(const char* data, int count)
{
    if (Status != 1 && Status != 0)
        return Status;
    if (FileSystem::Write(Handle, data, count) != count)
        Status = -5;
    return Status;
}

int TRecFile::WriteWord(std::int16_t value)
{
    const auto bits = static_cast<std::uint16_t>(value);
    const char bytes[2] = {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
    return WriteField(bytes, 2);
}

int TRecFile::WriteStr(const std::string& text)
{
    const std::string s = ShortString(text);
    char field[kStrField] = {}; // the filler after the text is zeros
    field[0] = static_cast<char>(s.size());
    std::copy(s.begin(), s.end(), field + 1);
    return WriteField(field, kStrField);
}

#include "text_file.h"

#include "file_system.h"
#include "short_string.h"
#include "text_functions.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr int kHeaderLines = 15;
constexpr int kMaxText = 255;
// A block holds the longest text and the two bytes that may end it.
constexpr int kBlock = kMaxText + 2;
constexpr int kAheadBytes = 64 * 1024;

std::string LowerAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Length of the line end at block[i]: CR LF counts as one line end, a lone CR or LF as another.
int EndLength(const char* block, int i, int n)
{
    return block[i] == '\r' && i + 1 < n && block[i + 1] == '\n' ? 2 : 1;
}

} // namespace

int TTextFile::OpenFile(const std::string& name, int mode)
{
    // An object keeps its first file: opening again would lose the handle of the one that is open.
    if (Status == 1 || IsOpen()) {
        Status = -3;
        return Status;
    }
    if (mode < 1 || mode > 3)
        return Status;
    FileName = ShortString(name);
    ahead_.clear();
    aheadToEnd_ = false;
    switch (mode) {
    case 1:
        if (!FileSystem::FileExists(name)) {
            Status = -1;
            return Status;
        }
        if (Opened(FileSystem::Open(name, TFileAccess::Read, TFileShare::DenyWrite,
                                    TFileCreation::OpenExisting, &OpenError),
                   true) == 1) {
            SkipByteOrderMark();
            ScanHeader();
        }
        break;
    case 2:
        Opened(FileSystem::Open(name, TFileAccess::Write, TFileShare::DenyAll, TFileCreation::CreateOrEmpty,
                                &OpenError),
               false);
        break;
    case 3:
        if (Opened(FileSystem::Open(name, TFileAccess::Write, TFileShare::DenyWrite,
                                    TFileCreation::AppendExisting, &OpenError),
                   true) == 1)
            Position = Size;
        break;
    }
    return Status;
}

void TTextFile::SkipByteOrderMark()
{
    char start[3];
    Utf8Bom = Size >= 3 && FileSystem::Seek(Handle, 0) && FileSystem::Read(Handle, start, 3) == 3 &&
              std::string_view(start, 3) == "\xEF\xBB\xBF";
    if (Utf8Bom)
        Position = 3;
}

int TTextFile::ScanHeader()
{
    std::int32_t restart = Position;
    for (int budget = kHeaderLines; budget > 0; --budget) {
        std::string text;
        const int result = ReadLine(text, kMaxText);
        if (result < 0)
            return Status; // a read failure stays visible
        if (result != 1)
            Status = Position > Size ? -11 : 1;
        const std::string line = TrimBlanks(text);
        if (line.empty() || line[0] != '$') {
            // Not a header line: it is the first body line, read again by the caller.
            Position = restart;
            return Status;
        }
        TakeHeaderLine(line);
        ++HeaderLines;
        restart = Position;
    }
    return Status;
}

void TTextFile::TakeHeaderLine(const std::string& line)
{
    const std::vector<std::string> tokens = SplitTokens(line, "=;");
    // A known key without a value ("$author" or "$author=") stores nothing.
    if (tokens.size() < 2)
        return;
    const std::string key = LowerAscii(tokens[0]);
    const std::string value = ShortString(tokens[1]);
    if (key == "$version")
        Version = value;
    else if (key == "$copyright")
        Copyright = value;
    else if (key == "$longdesc")
        LongDesc = value;
    else if (key == "$description")
        Description = value;
    else if (key == "$author")
        Author = value;
    else if (key == "$fileformat")
        Crypted = LowerAscii(value) == "crypted";
}

int TTextFile::ReadLine(std::string& text, int capacity)
{
    if (Position >= Size) {
        text.clear();
        Status = 0;
        return Status;
    }
    if (Status != 1)
        return Status;

    const std::int32_t start = Position;
    const char* block = nullptr;
    const int n = Peek(start, block);
    if (n < 0) {
        // No stale text: a reader that uses the text before testing the result must not see the
        // previous line again.
        text.clear();
        Status = -7;
        return Status;
    }
    // The text runs up to the first NUL, and holds at most 255 characters.
    const int limit = std::min(n, kMaxText);
    int len = 0;
    while (len < limit && block[len] != '\0')
        ++len;
    int lineLen = 0;
    while (lineLen < len && !IsLineEnd(block[lineLen]))
        ++lineLen;

    int result = 0;
    std::int32_t next = 0;
    if (lineLen < len) {
        result = 1;
        next = start + lineLen + EndLength(block, lineLen, n);
    } else if (len == n) {
        next = start + n; // the last line, without a line end
    } else if (IsLineEnd(block[len])) {
        next = start + len + EndLength(block, len, n); // exactly 255 characters
    } else if (block[len] == '\0') {
        // The NUL ends the text; the next line starts after the line end that follows it.
        int end = len + 1;
        while (end < n && !IsLineEnd(block[end]))
            ++end;
        next = end < n ? start + end + EndLength(block, end, n) : start + n;
    } else {
        // Longer than 255 characters: the rest of the line is read as if it were the next one.
        next = start + n;
    }

    text.assign(block, static_cast<std::size_t>(std::clamp(std::min(lineLen, capacity), 0, kMaxText)));
    if (Crypted)
        text = Scramble(std::move(text));
    Position = next;
    Status = result;
    return Status;
}

int TTextFile::Peek(std::int32_t start, const char*& data)
{
    const std::int64_t end =
        static_cast<std::int64_t>(aheadStart_) + static_cast<std::int64_t>(ahead_.size());
    const bool covered = start >= aheadStart_ && start <= end && (aheadToEnd_ || start + kBlock <= end);
    if (!covered) {
        ahead_.resize(kAheadBytes);
        const int n =
            FileSystem::Seek(Handle, start) ? FileSystem::Read(Handle, ahead_.data(), kAheadBytes) : -1;
        if (n < 0) {
            ahead_.clear();
            aheadToEnd_ = false;
            return -1;
        }
        ahead_.resize(static_cast<std::size_t>(n));
        aheadStart_ = start;
        aheadToEnd_ = n < kAheadBytes;
    }
    data = ahead_.data() + (start - aheadStart_);
    return static_cast<int>(std::min<std::int64_t>(
        kBlock, static_cast<std::int64_t>(aheadStart_) + static_cast<std::int64_t>(ahead_.size()) - start));
}

int TTextFile::WriteLine(const std::string& text)
{
    ahead_.clear();
    aheadToEnd_ = false;
    const std::string line = ShortString(text) + "\r\n";
    const int size = static_cast<int>(line.size());
    if (FileSystem::Write(Handle, line.data(), size) != size)
        Status = -5;
    return Status;
}

std::string TTextFile::Scramble(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(static_cast<unsigned char>(c) ^ kScrambleKey);
    return text;
}

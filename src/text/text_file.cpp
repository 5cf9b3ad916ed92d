#include "text_file.h"

#include "file_system.h"
#include "short_string.h"
#include "text_functions.h"

#include <QString>
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
    char bytes[kSniffBytes] = {};
    const int n = Size >= 2 && FileSystem::Seek(Handle, 0) ? FileSystem::Read(Handle, bytes, kSniffBytes) : 0;
    const std::string_view start(bytes, static_cast<std::size_t>(std::max(n, 0)));
    Position = 0;
    if (start.starts_with("\xEF\xBB\xBF")) {
        ByteOrderMark = Utf8Mark;
        Position = 3;
    } else if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
        ByteOrderMark = start[0] == '\xFF' ? Utf16LeMark : Utf16BeMark;
        Position = 2;
    } else {
        ByteOrderMark = Utf16ByLook(start);
    }
}

TTextFile::TByteOrderMark TTextFile::Utf16ByLook(std::string_view start)
{
    // Text of the code page holds no NUL; UTF-16 of Latin letters has one in every 16-bit unit, in its
    // high byte. At least half the units with a NUL high byte, and NUL low bytes rare beside them
    // (U+0100, U+2000...), make the file UTF-16.
    const std::size_t units = start.size() / 2;
    std::size_t evenNuls = 0, oddNuls = 0;
    for (std::size_t i = 0; i < units * 2; i += 2) {
        evenNuls += start[i] == '\0';
        oddNuls += start[i + 1] == '\0';
    }
    const auto looksLike = [units](std::size_t high, std::size_t low) {
        return units > 0 && high * 2 >= units && low * 8 < high;
    };
    if (looksLike(oddNuls, evenNuls))
        return Utf16LeMark;
    if (looksLike(evenNuls, oddNuls))
        return Utf16BeMark;
    return NoMark;
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
    else if (key == "$language")
        Language = value;
    else if (key == "$fileformat")
        Crypted = LowerAscii(value) == "crypted";
}

int TTextFile::ReadLine(std::string& text, int capacity)
{
    if (Utf16()) {
        // Lines of 16-bit units have no byte-wise quirks to keep: the line is read whole and cut at a
        // character boundary.
        std::string whole;
        const int result = ReadWholeLine(whole);
        if (result == 0 || result == 1)
            text = Utf8Prefix(whole, static_cast<std::size_t>(std::clamp(capacity, 0, kMaxText)));
        else if (result == -7)
            text.clear();
        return result;
    }
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

int TTextFile::ReadWholeLine(std::string& text, bool* more, bool* nulFound)
{
    if (more)
        *more = false;
    if (nulFound)
        *nulFound = false;
    const int unit = Utf16() ? 2 : 1;
    // A lone byte at the end of a UTF-16 file is no character.
    if (Position > Size - unit) {
        text.clear();
        Status = 0;
        return Status;
    }
    if (Status != 1)
        return Status;

    // Scrambling turns every byte of a character unit, never a line end.
    const int scramble = !Crypted ? 0 : unit == 1 ? kScrambleKey : kScrambleKey * 0x101;
    std::u16string units;
    bool ended = false, nul = false, longer = false;
    std::int32_t pos = Position;
    while (pos <= Size - unit) {
        int c = UnitAt(pos);
        pos += unit;
        if (c == '\r' && pos <= Size - unit) {
            const int next = UnitAt(pos);
            if (next == '\n')
                pos += unit;
            c = next < 0 ? next : c;
        }
        if (c < 0) {
            text.clear();
            Status = -7;
            return Status;
        }
        if (c == '\r' || c == '\n') {
            ended = true;
            break;
        }
        if (c == 0)
            nul = true; // the text ends; the rest of the line is passed over
        else if (nul)
            continue;
        else if (static_cast<int>(units.size()) * unit < kWholeLineBytes)
            units.push_back(static_cast<char16_t>(c ^ scramble));
        else
            longer = true;
    }

    if (unit == 1) {
        text.assign(units.begin(), units.end());
    } else {
        // A pair of surrogates cut in two is no character.
        if (longer && !units.empty() && QChar::isHighSurrogate(units.back()))
            units.pop_back();
        text = QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())).toStdString();
    }
    if (more)
        *more = longer;
    if (nulFound)
        *nulFound = nul;
    Position = pos;
    Status = ended ? 1 : 0;
    return Status;
}

int TTextFile::UnitAt(std::int32_t pos)
{
    const char* data = nullptr;
    const int n = Peek(pos, data);
    const auto byte = [data](int i) { return static_cast<int>(static_cast<unsigned char>(data[i])); };
    if (n < (Utf16() ? 2 : 1))
        return -1;
    if (!Utf16())
        return byte(0);
    return ByteOrderMark == Utf16LeMark ? byte(0) | byte(1) << 8 : byte(0) << 8 | byte(1);
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

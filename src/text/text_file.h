#pragma once
#include "file.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A line-oriented text file: an optional header of up to 15 "$key=value" lines, then the body, which
// may be stored scrambled. Lines end with CR LF, LF or CR; a line holds at most 254 characters.
// A file that starts with a UTF-16 byte-order mark (little- or big-endian), or looks like UTF-16
// without one, is read in 16-bit units, and its lines are delivered in UTF-8: its header and body then read
// as those of a UTF-8 file.
//
// OpenFile modes: 1 read (header scanned; others may read, not write), 2 write new (created or
// emptied; nobody else may open it), 3 append to an existing file (others may read, not write).
class TTextFile : public TFile {
  public:
    int OpenFile(const std::string& name, int mode);

    // Reads the next body line, cut to capacity characters. Returns 1 for a line that ended with a
    // line end. Returns 0 with the text it found for the last line of a file without a final line
    // end, for a line cut by a NUL byte, and for a line of 255 or more characters (its first 255
    // are delivered); and 0 with an empty text once nothing is left. Any status other than 1 is
    // returned unchanged, and a failed read gives -7.
    int ReadLine(std::string& text, int capacity = 255);

    // Reads the next body line up to its line end, however long, for readers that cut lines by
    // characters themselves: text gets the first kWholeLineBytes bytes of it (before a NUL, which ends
    // the text as in ReadLine), descrambled, in UTF-8 for a UTF-16 file, and *more tells whether the
    // line went on beyond them. Returns 1 for a line that ended with a line end, 0 with the text of a
    // last line without one, and 0 with an empty text once nothing is left; -7 when a read failed.
    // *nul tells whether a NUL ended the text before the line end.
    int ReadWholeLine(std::string& text, bool* more = nullptr, bool* nul = nullptr);
    static constexpr int kWholeLineBytes = 2048;

    // Writes the text as it stands (no scrambling) followed by CR LF; -5 when not all of it was
    // written.
    int WriteLine(const std::string& text);

    // The body scrambling: every byte XOR-ed with the key. Applying it twice gives the text back.
    // The writer of a scrambled file applies it to each body line before WriteLine, which adds the
    // line end unscrambled.
    static constexpr unsigned char kScrambleKey = 0xB7;
    static std::string Scramble(std::string text);

    // Set by a read opening: the byte-order mark the file starts with, which is passed over. A file
    // without a mark whose start has NUL bytes at every other byte is UTF-16 all the same, and gets the
    // mark of its byte order with nothing to pass over.
    enum TByteOrderMark { NoMark, Utf8Mark, Utf16LeMark, Utf16BeMark };
    TByteOrderMark ByteOrderMark = NoMark;
    bool Utf16() const { return ByteOrderMark == Utf16LeMark || ByteOrderMark == Utf16BeMark; }
    // UTF-16 by the look of the start of a file without a mark (its first kSniffBytes bytes): the byte
    // order whose high bytes hold the NULs, or NoMark.
    static TByteOrderMark Utf16ByLook(std::string_view start);
    static constexpr int kSniffBytes = 1024;
    // The number of header lines the read opening took.
    int HeaderLines = 0;

  private:
    // Up to one block of the file from start, served from the read-ahead; -1 when reading fails.
    int Peek(std::int32_t start, const char*& data);
    // The character unit at pos (a byte, or a 16-bit unit of a UTF-16 file); -1 when reading fails.
    int UnitAt(std::int32_t pos);
    void SkipByteOrderMark();
    int ScanHeader();
    void TakeHeaderLine(const std::string& line);

    // Read-ahead: lines come from one large piece of the file rather than a read per line. A file
    // open for reading is closed to writers, so the piece stays true; opening and writing drop it.
    std::vector<char> ahead_;
    std::int32_t aheadStart_ = 0;
    bool aheadToEnd_ = false; // the piece runs to the end of the file
};

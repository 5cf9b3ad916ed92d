#pragma once
#include "file.h"

#include <cstdint>
#include <string>

// A headerless binary file of fixed-size records made of two kinds of field: a signed 16-bit
// integer (2 bytes, little-endian) and a short string (a length byte, the characters, zero filler).
//
// OpenFile modes: 1 or 2 open an existing file, with share -2 read-only letting others read but not
// write, -1 read and write with nobody else, any other value read and write letting others do both;
// 5 creates or empties the file for reading and writing with nobody else. The opening never waits:
// a file held by another opener gives -2 at once.
class TRecFile : public TFile {
  public:
    int OpenFile(const std::string& name, int mode, int share);

    // Whole records of recordSize bytes in the file as it was when opened.
    int RecordCount(int recordSize) const;

    int ReadWord(std::int16_t& value);
    // Reads a field of capacity + 1 bytes into text.
    int ReadStr(std::string& text, int capacity = 255);
    int WriteWord(std::int16_t value);
    // Writes one 256-byte field; a text over 255 characters is cut.
    int WriteStr(const std::string& text);

    static constexpr int kStrField = 256;

  private:
    // Reads count bytes at Position; the status that results.
    int ReadField(char* buffer, int count);
    int WriteField(const char* data, int count);
};

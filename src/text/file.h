#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "file_system.h"

// What the text and record files have in common: the state of one opened file, the header fields a
// text file may carry, and closing. Every operation answers with Status instead of raising:
//   1 open, last operation succeeded     0 end of data     2 closed
//  -1 file not found   -2 the system refused the open   -3 already open   -5 write failed
//  -6 close failed     -7 read failed    -11 the header ran past the end of a text file
// An object serves one file: create it, open, read or write, close, destroy.
class TFile {
  public:
    TFile() = default;
    virtual ~TFile();
    TFile(const TFile&) = delete;
    TFile& operator=(const TFile&) = delete;

    // Closes the file unless it is closed (2) or its opening failed (-2); Status becomes 2, or -6
    // when the system reports an input/output error.
    int CloseFile();

    // Titles of the visible regular files matching a mask such as "*.vcb", optionally after a folder,
    // in alphabetical order: each file's name without its extension (only the last "." starts it), in
    // title case. Each title opens its own file when the mask's extension is appended to it: a file
    // that the title-cased name would not lead to (another file's name differs from it only in case)
    // is listed by its own name, and a file that cannot be read is left out.
    static std::vector<std::string> ListFileTitles(const std::string& pattern);

    // No file is open while Handle is negative. (A fresh object has no file: handle 0 would be the
    // process's standard input.)
    std::int32_t Handle = -1;
    bool Crypted = false;
    std::string FileName;
    std::string Version;
    std::int32_t Status = 0;
    std::string LongDesc;
    std::string Description;
    std::string Author;
    std::string Copyright;
    // The language of a vocabulary's words as its "$language" header line names it ("de", "fr_CA"),
    // as it stands; empty when the file does not say. Programs that do not know the key pass over it.
    std::string Language;
    std::int32_t Size = 0;
    std::int32_t Position = 0;
    // Why the last opening failed; tells "another copy holds the file" (Busy) from other refusals.
    TFileOpenError OpenError = TFileOpenError::None;

  protected:
    bool IsOpen() const { return Handle >= 0; }
    // Records the outcome of an opening: the handle and the size it found, or the failure state.
    int Opened(int handle, bool takeLength);
};

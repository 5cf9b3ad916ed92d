#pragma once
// Shared pieces of the fuzz targets: a scratch folder of their own (in memory where the system has one,
// as every input is written to a file), a dialog double that never waits, and a check that stops the
// run with a message when an invariant breaks.
#include "system.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fuzz {

inline void EnterScratchFolder()
{
    std::string folder =
        (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/kvfuzz-XXXXXX");
    if (!mkdtemp(folder.data()) || chdir(folder.c_str()) != 0) {
        std::perror("scratch folder");
        std::abort();
    }
}

inline void WriteFile(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Answers No to every question (a busy file is not waited for) and shows nothing.
class SilentDialogs : public IDialogs {
  public:
    void Message(const std::string&, const std::string&, TMsgKind) override {}
    bool Question(const std::string&, const std::string&) override { return false; }
};

} // namespace fuzz

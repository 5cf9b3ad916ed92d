// The text file object on any bytes: the header scan, line reading and the scrambled body.
#include "fuzz_support.h"
#include "text_file.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::EnterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteFile("input.txt", data, size);
    TTextFile file;
    const int opened = file.OpenFile("input.txt", 1);
    fuzz::Check(opened == 1 || opened == -11, "a readable file opens with 1 or -11");
    for (const std::string* field :
         {&file.Version, &file.Copyright, &file.LongDesc, &file.Description, &file.Author})
        fuzz::Check(field->size() <= 255, "header fields are short strings");
    fuzz::Check(file.Size == static_cast<std::int32_t>(size), "the size is the file's");
    std::int32_t lastPosition = file.Position;
    // Every read moves on by at least one byte, so a file of n bytes gives at most n + 1 reads.
    for (std::size_t reads = 0; file.Status == 1; ++reads) {
        fuzz::Check(reads <= size + 1, "reading ends");
        std::string line;
        const int result = file.ReadLine(line, 255);
        fuzz::Check(result == 0 || result == 1, "a read gives 1 or 0");
        fuzz::Check(line.size() <= 255, "lines are short strings");
        fuzz::Check(result == 0 || file.Position > lastPosition, "a line moves the position on");
        lastPosition = file.Position;
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz::Check(TTextFile::Scramble(TTextFile::Scramble(text)) == text,
                "scrambling twice gives the text back");
    file.CloseFile();
    fuzz::Check(file.Status == 2, "the file closes");
    return 0;
}

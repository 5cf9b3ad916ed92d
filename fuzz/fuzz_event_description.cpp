// The event description and the text functions on any text: the first byte says how many of the
// following bytes are the delimiter set of SplitTokens.
#include "event.h"
#include "fuzz_support.h"
#include "text_functions.h"

#include <QApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    Platform::Install(std::make_unique<fuzz::SilentDialogs>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t delimiterCount = std::min<std::size_t>(data[0] % 8, size - 1);
    const std::string delimiters(reinterpret_cast<const char*>(data + 1), delimiterCount);
    const std::string text(reinterpret_cast<const char*>(data + 1 + delimiterCount),
                           size - 1 - delimiterCount);

    const std::vector<std::string> tokens = SplitTokens(text, delimiters);
    std::size_t total = 0;
    for (const std::string& t : tokens) {
        fuzz::Check(!t.empty(), "no empty tokens");
        total += t.size();
    }
    fuzz::Check(total <= text.size(), "tokens come from the text");

    const std::string trimmed = TrimBlanks(text);
    fuzz::Check(trimmed.size() <= text.size() && text.find(trimmed) != std::string::npos,
                "trimming only cuts");
    fuzz::Check(TitleCase(text).size() == text.size(), "title case keeps the length");

    TEvent event(text);
    fuzz::Check(event.Entries.size() <= 255, "a description is a short string");
    for (const std::string& e : event.Entries)
        fuzz::Check(!e.empty() && e.size() <= 255, "entries are short strings");
    return 0;
}

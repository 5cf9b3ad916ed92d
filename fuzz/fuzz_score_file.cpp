// The record file object and the top-ten table on any score file: load it, rank a score from the input
// and store the row, then read the file back.
#include "fuzz_support.h"
#include "rec_file.h"
#include "top_ten.h"

#include <QCoreApplication>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    Platform::Install(std::make_unique<fuzz::SilentDialogs>());
    fuzz::EnterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteFile("fuzz.kvt", data, size);

    // The field readers with any capacity, over the whole file.
    TRecFile raw;
    fuzz::Check(raw.OpenFile("fuzz.kvt", 1, -2) == 1, "an existing file opens");
    fuzz::Check(raw.RecordCount(514) == static_cast<int>(size / 514), "records are whole ones");
    const int capacity = size > 0 ? data[0] : 255;
    for (std::size_t reads = 0; raw.Status == 1; ++reads) {
        fuzz::Check(reads <= size, "reading ends");
        std::string text;
        std::int16_t word = 0;
        raw.ReadStr(text, capacity);
        fuzz::Check(text.size() <= static_cast<std::size_t>(capacity), "a field holds at most its capacity");
        raw.ReadWord(word);
    }
    raw.CloseFile();

    TtopTen table;
    const int loaded = table.LoadScores("fuzz");
    fuzz::Check(loaded == 1, "the score file loads");
    fuzz::Check(table.RowCount >= 1 && table.RowCount <= TtopTen::kMaxRows, "the table has 1 to 100 rows");
    for (int r = 1; r <= table.RowCount; ++r)
        fuzz::Check(table.Row(r).Name.size() <= 255 && table.Row(r).Date.size() <= 255,
                    "fields are short strings");
    const std::vector<std::string> lines = table.ListRows(0);
    fuzz::Check(lines.size() == static_cast<std::size_t>(table.RowCount), "one line per row");

    const int score = size >= 3 ? static_cast<std::int16_t>(data[1] | (data[2] << 8)) : 0;
    const int rank = table.Insert(score, "Fuzz");
    fuzz::Check(rank >= 0 && rank <= table.RowCount, "a rank lies in the table");
    if (rank > 0) {
        fuzz::Check(table.SaveRow(rank) == 1, "the row is stored");
        TtopTen reread;
        fuzz::Check(reread.LoadScores("fuzz") == 1, "the stored table loads");
        bool found = false;
        for (int r = 1; r <= reread.RowCount; ++r)
            found = found || (reread.Row(r).Name == "Fuzz" && reread.Row(r).Score == score);
        fuzz::Check(found, "the stored row is in the file");
    }
    return 0;
}

#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Score-file bytes made by hand, so the tests do not check the program's files with its own code.
struct TStoredRow {
    std::string name;
    std::uint16_t score; // the 16 bits as stored
    std::string date;
};

inline std::string ScoreFile(const std::vector<TStoredRow>& rows)
{
    const auto field = [](const std::string& text) {
        return static_cast<char>(text.size()) + text + std::string(255 - text.size(), '\0');
    };
    std::string bytes;
    for (const TStoredRow& r : rows)
        bytes += field(r.name) + static_cast<char>(r.score & 0xFF) + static_cast<char>(r.score >> 8) +
                 field(r.date);
    return bytes;
}

// Ten rows "P1".."P10" scoring from first down by step, dated "1/1/20".
inline std::vector<TStoredRow> TenStoredRows(int first = 5000, int step = 100)
{
    std::vector<TStoredRow> rows;
    for (int i = 0; i < 10; ++i)
        rows.push_back({"P" + std::to_string(i + 1), static_cast<std::uint16_t>(first - step * i), "1/1/20"});
    return rows;
}

inline std::string StoredName(const std::string& bytes, int i)
{
    const std::size_t at = static_cast<std::size_t>(i) * 514;
    return bytes.substr(at + 1, static_cast<unsigned char>(bytes[at]));
}

inline std::int16_t StoredScore(const std::string& bytes, int i)
{
    const auto at = static_cast<std::size_t>(i) * 514 + 256;
    return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                     (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

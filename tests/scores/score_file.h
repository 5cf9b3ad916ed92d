#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Score-file bytes written by hand, record by record, so the tests do not read the program's files
// through the code under test.
struct TStoredRow {
    std::string name;
    std::uint16_t score; // the 16 bits as stored
    std::string date;
};

inline std::string StrField(const std::string& text) {
    std::string field(256, '\0');
    field[0] = static_cast<char>(text.size());
    field.replace(1, text.size(), text);
    return field;
}

inline std::string Record(const TStoredRow& row) {
    return StrField(row.name) + static_cast<char>(row.score & 0xFF) + static_cast<char>(row.score >> 8) +
           StrField(row.date);
}

inline std::string ScoreFile(const std::vector<TStoredRow>& rows) {
    std::string bytes;
    for (const TStoredRow& r : rows) bytes += Record(r);
    return bytes;
}

// Ten rows "P1".."P10" with scores 5000, 4900, ... 4100, dated "1/1/20".
inline std::vector<TStoredRow> TenStoredRows() {
    std::vector<TStoredRow> rows;
    for (int i = 1; i <= 10; ++i)
        rows.push_back({"P" + std::to_string(i), static_cast<std::uint16_t>(5100 - 100 * i), "1/1/20"});
    return rows;
}

// The fields of record i (0-based) of a score file's bytes.
inline std::string StoredName(const std::string& bytes, int i) {
    const std::size_t at = static_cast<std::size_t>(i) * 514;
    return bytes.substr(at + 1, static_cast<unsigned char>(bytes[at]));
}

inline std::int16_t StoredScore(const std::string& bytes, int i) {
    const std::size_t at = static_cast<std::size_t>(i) * 514 + 256;
    return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                     (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

#pragma once
#include <cstdint>
#include <sqlite3.h>
#include <string>

// Small helpers over SQLite's C interface for the progress store.
namespace Sql {

// A prepared statement that finalises itself.
class TStatement {
  public:
    TStatement(sqlite3* db, const char* sql) { rc_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~TStatement() { sqlite3_finalize(stmt_); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    int Prepared() const { return rc_; }
    void Bind(int i, std::int64_t v) { sqlite3_bind_int64(stmt_, i, v); }
    void Bind(int i, double v) { sqlite3_bind_double(stmt_, i, v); }
    void Bind(int i, const std::string& v)
    {
        sqlite3_bind_text(stmt_, i, v.data(), int(v.size()), SQLITE_TRANSIENT);
    }
    // SQLITE_ROW, SQLITE_DONE or an error; an unprepared statement gives its preparation error.
    int Step() { return stmt_ ? sqlite3_step(stmt_) : rc_; }
    void Reset() { sqlite3_reset(stmt_); }
    bool IsNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }
    std::int64_t Int(int col) const { return sqlite3_column_int64(stmt_, col); }
    double Real(int col) const { return sqlite3_column_double(stmt_, col); }
    std::string Text(int col) const
    {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
        return t ? std::string(t, std::size_t(sqlite3_column_bytes(stmt_, col))) : std::string();
    }

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_OK;
};

inline int Exec(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// An integer of a one-row pragma or query; rc gets the result code.
inline std::int64_t QueryInt(sqlite3* db, const char* sql, int& rc)
{
    TStatement s(db, sql);
    rc = s.Step();
    if (rc == SQLITE_ROW) {
        rc = SQLITE_OK;
        return s.Int(0);
    }
    return 0;
}

} // namespace Sql

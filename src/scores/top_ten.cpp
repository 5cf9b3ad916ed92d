#include "top_ten.h"

#include "code_page.h"
#include "day_count.h"
#include "errors.h"
#include "file_system.h"
#include "lock_file.h"
#include "rec_file.h"
#include "short_string.h"
#include "system.h"
#include "translation.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr int kOpenAttempts = 15;
constexpr int kRetryPauseMs = 200;
constexpr const char* kBusyQuestion =
    QT_TRANSLATE_NOOP("TtopTen", "The network is busy because of other users, do you want to try again?");
constexpr const char* kCaption = "Keyvane's Games!";
constexpr const char* kOpenFailed = QT_TRANSLATE_NOOP("TtopTen", " Topten open failed.");
constexpr const char* kWriteFailed = QT_TRANSLATE_NOOP("TtopTen", " Topten write failed.");
constexpr const char* kLockNotAFile =
    QT_TRANSLATE_NOOP("TtopTen", " is in the way of the table's lock file and is not a file; ask the "
                                 "administrator to remove it.");
constexpr const char* kLockStuck =
    QT_TRANSLATE_NOOP("TtopTen", " (the table's lock file) has been held for over a minute; if no copy of "
                                 "the program is saving, ask the administrator to remove it.");
constexpr const char* kFolderGone =
    QT_TRANSLATE_NOOP("TtopTen", " is no longer the score folder found at start-up (was the share "
                                 "unmounted?); the table was not saved.");
constexpr const char* kDefaultName = "Keyvane";
// The bytes of the most rows a table holds: reading stops there.
constexpr std::int64_t kTableBytes = std::int64_t{TtopTen::kMaxRows} * TtopTen::kRecordSize;
// A score file longer than this is far beyond any table (a sparse file of gigabytes planted in a
// class's folder takes no disk space): it is named in Errors.log, and a save keeps only the rows. A
// shorter one keeps what it holds beyond the rows, as writing over its start would.
constexpr std::int64_t kFarBeyondBytes = std::int64_t{1} << 20;
constexpr const char* kWinnerName = "the Winner";

// A short-string field of 256 bytes: the length, the characters, zeros after them.
void PutString(char* field, const std::string& text)
{
    const std::string s = ShortString(text);
    field[0] = static_cast<char>(s.size());
    std::copy(s.begin(), s.end(), field + 1);
}

// Scores are stored in 16 bits. A larger score is stored as the largest that fits, so it still
// ranks above every smaller one when the table is read back.
void PutScore(char* field, std::int32_t score)
{
    const auto clamped = static_cast<std::int16_t>(std::clamp<std::int32_t>(
        score, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
    const auto bits = static_cast<std::uint16_t>(clamped);
    field[0] = static_cast<char>(bits & 0xFF);
    field[1] = static_cast<char>(bits >> 8);
}

std::string scoreFolder;
FileSystem::TFolderIdentity scoreFolderIdentity;

// Files already named in Errors.log for being far beyond a table's size.
std::set<std::string> oversizedLogged;

} // namespace

const std::string& ScoreFolder()
{
    return scoreFolder;
}

void SetScoreFolder(const std::string& folder)
{
    scoreFolder = folder;
    scoreFolderIdentity = folder.empty() ? FileSystem::TFolderIdentity{}
                                         : FileSystem::IdentifyFolder(FileSystem::NativePath(folder));
}

std::string ScoreFolderGone()
{
    if (scoreFolder.empty() || !scoreFolderIdentity.Known ||
        FileSystem::IdentifyFolder(FileSystem::NativePath(scoreFolder)) == scoreFolderIdentity)
        return {};
    return "the file system of " + scoreFolder + " is not the one found at start-up";
}

TScopedScoreFolder::TScopedScoreFolder(const std::string& folder) : before_(scoreFolder)
{
    SetScoreFolder(folder);
}

TScopedScoreFolder::~TScopedScoreFolder()
{
    SetScoreFolder(before_);
}

std::int32_t DefaultScore(int Rank)
{
    return Rank <= 10 ? 1000 - 70 * Rank : 300 - 2 * Rank;
}

std::string TodayText()
{
    const QDate day = DayZero().addDays(static_cast<qint64>(std::floor(Now())));
    return ShortString(ToCp1252(QLocale::system().toString(day, QLocale::ShortFormat)));
}

TtopTen::TtopTen()
{
    SetDefaultRows();
}

void TtopTen::SetDefaultRows()
{
    const std::string today = TodayText();
    for (int rank = 1; rank <= kMaxRows; ++rank)
        Row(rank) = {kDefaultName, DefaultScore(rank), today};
    RowCount = kDefaultRows;
}

int TtopTen::LoadScores(const std::string& TableName)
{
    TableFileName = ShortString(TableName + ".kvt");
    if (!ScoreFolderGone().empty()) {
        SetDefaultRows();
        return -2;
    }
    TRecFile file;
    int r = OpenWithRetry(file, FilePath(), -2);
    if (r == 1)
        ReadRows(file);
    else
        SetDefaultRows();
    if (r == 1 && file.Status != 1) {
        // The default rows stand in the view; a save merges into the file's rows, read anew.
        ReportFileError(-2, FilePath(), "TtopTen", kOpenFailed);
        r = -2;
    }
    file.CloseFile();
    return r;
}

int TtopTen::ReadRows(TRecFile& File)
{
    // Rows beyond the file's own keep their defaults, so nothing of another game's table shows.
    SetDefaultRows();
    // The whole file in one read, as it is now: on a shared folder the length known when it was
    // opened may be that of a table another machine has replaced since.
    std::string bytes;
    if (!FileSystem::ReadContents(File.Handle, bytes, kTableBytes)) {
        File.Status = -7;
        return 0;
    }
    // A table this program wrote has 100 rows at most; a file far longer was made otherwise and is
    // named once.
    if (const std::int64_t length = FileSystem::Length(File.Handle);
        length > kFarBeyondBytes && oversizedLogged.insert(FilePath()).second)
        LogError(-2, FilePath() + " holds " + std::to_string(length) +
                         " bytes, far more than a table of 100 rows; only the first 100 rows are used");
    const int n = static_cast<int>(std::min<std::size_t>(bytes.size() / kRecordSize, kMaxRows));
    if (n <= 0)
        return 0; // a file without a whole record holds no table: the default one stands
    RowCount = n;
    const auto field = [&bytes](std::size_t at) {
        const std::size_t length = static_cast<unsigned char>(bytes[at]);
        return bytes.substr(at + 1, std::min<std::size_t>(length, kShortStringMax));
    };
    for (int rank = 1; rank <= n; ++rank) {
        const std::size_t at = static_cast<std::size_t>(rank - 1) * kRecordSize;
        const auto bits = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at + 256]) |
                                                     (static_cast<unsigned char>(bytes[at + 257]) << 8));
        Row(rank) = {field(at), static_cast<std::int16_t>(bits), field(at + 258)};
    }
    return n;
}

bool TtopTen::FolderStillThere()
{
    const std::string gone = ScoreFolderGone();
    if (gone.empty())
        return true;
    LogError(-2532, gone + ": the share may have been unmounted; no table is saved there");
    ReportFileError(-2532, ScoreFolder(), "TtopTen", kFolderGone);
    return false;
}

bool TtopTen::EnsureFile()
{
    if (!FolderStillThere())
        return false;
    const std::string path = FilePath();
    if (FileSystem::FileExists(path))
        return true;
    // Made only when still missing: another copy may have made it and stored a row since the test
    // above, and emptying the file would lose that row.
    const int handle =
        FileSystem::Open(path, TFileAccess::ReadWrite, TFileShare::DenyNone, TFileCreation::OpenOrCreate);
    if (handle >= 0) {
        FileSystem::Close(handle);
        return true;
    }
    // Another copy may have made the file meanwhile and hold it now; the opening that follows waits.
    if (FileSystem::FileExists(path))
        return true;
    ReportFileError(-2, path, "TtopTen", kOpenFailed);
    return false;
}

int TtopTen::WriteRows(TRecFile& File)
{
    std::string buffer(static_cast<std::size_t>(RowCount) * kRecordSize, '\0');
    for (int rank = 1; rank <= RowCount; ++rank) {
        char* record = buffer.data() + static_cast<std::size_t>(rank - 1) * kRecordSize;
        PutString(record, Row(rank).Name);
        PutScore(record + 256, Row(rank).Score);
        PutString(record + 258, Row(rank).Date);
    }
    // The whole table from the start of the file. The file is not cut: records beyond the table's (a
    // file of more than 100) stay as they are, unless the file is far beyond any table, when only the
    // rows are kept rather than gigabytes copied. The file takes the new table in one step, so that a
    // copy killed while saving, or a full disk, leaves the old table or the new one, never a part.
    const bool farBeyond = FileSystem::Length(File.Handle) > kFarBeyondBytes;
    if (!FileSystem::WriteContents(File.Handle, FilePath(), buffer.data(), static_cast<int>(buffer.size()),
                                   farBeyond ? 0 : -1)) {
        File.Status = -5;
        ReportFileError(-5, FilePath(), "TtopTen", kWriteFailed);
        return -5;
    }
    return 1;
}

int TtopTen::SaveScores(std::int32_t NewCount)
{
    if (!EnsureFile())
        return -2;
    TRecFile file;
    TLockFile lock;
    const int r = OpenWithRetry(file, FilePath(), -1, &lock);
    if (NewCount > 0)
        RowCount = std::min<std::int32_t>(NewCount, kMaxRows);
    int result = r;
    if (r == 1 && RowCount > 0)
        result = WriteRows(file) == 1 ? r : -5;
    file.CloseFile();
    return result;
}

int TtopTen::CreateScoreFile()
{
    if (!EnsureFile())
        return -2;
    TRecFile file;
    TLockFile lock;
    const int r = OpenWithRetry(file, FilePath(), -1, &lock);
    int result = r;
    // Only a file without a whole record is new; one that holds rows has been written by another copy.
    TtopTen stored;
    if (r == 1 && stored.ReadRows(file) == 0 && file.Status == 1) {
        TtopTen defaults;
        defaults.TableFileName = TableFileName;
        result = defaults.WriteRows(file) == 1 ? r : -5;
    }
    file.CloseFile();
    return result;
}

int TtopTen::SaveRow(int Rank)
{
    if (Rank < 1 || Rank > RowCount)
        return 0;
    const TTopTenRow row = Row(Rank);
    if (!EnsureFile())
        return -2;
    TRecFile file;
    TLockFile lock;
    const int r = OpenWithRetry(file, FilePath(), -1, &lock);
    if (r != 1) {
        file.CloseFile();
        return r;
    }
    TtopTen stored;
    stored.TableFileName = TableFileName;
    stored.ReadRows(file);
    if (file.Status != 1) {
        // Without the stored rows the save would put the default table in their place.
        file.CloseFile();
        ReportFileError(-5, FilePath(), "TtopTen", kWriteFailed);
        return -5;
    }
    stored.InsertRow(row);
    const int written = stored.WriteRows(file);
    file.CloseFile();
    if (written != 1)
        return written;
    Rows = stored.Rows;
    RowCount = stored.RowCount;
    return r;
}

int TtopTen::Insert(std::int32_t Score, const std::string& Name)
{
    return InsertRow({ShortString(Name), Score, TodayText()});
}

int TtopTen::InsertRow(const TTopTenRow& NewRow)
{
    if (Row(RowCount).Score > NewRow.Score)
        return 0;
    Row(RowCount) = NewRow;
    int result = RowCount;
    // Only a strictly greater score moves up, so the new row ends below the rows it ties with. The new
    // row is followed through every swap: in a file whose rows are out of order (written by another
    // program, or damaged) it can move down again after it moved up.
    for (int i = RowCount; i >= 1; --i)
        for (int j = i - 1; j >= 1; --j)
            if (Row(i).Score > Row(j).Score) {
                std::swap(Row(i), Row(j));
                if (result == i || result == j)
                    result = result == i ? j : i;
            }
    return result;
}

void TtopTen::SetName(int Rank, const std::string& Name)
{
    if (Rank >= 1 && Rank <= kMaxRows)
        Row(Rank).Name = ShortString(Name);
}

std::vector<std::string> TtopTen::ListRows(int N)
{
    if (N == 0)
        N = RowCount;
    N = std::clamp(N, 0, static_cast<int>(kMaxRows));
    std::vector<std::string> lines;
    for (int rank = 1; rank <= N; ++rank) {
        TTopTenRow& row = Row(rank);
        if (row.Name.find(';') != std::string::npos)
            row.Name = kWinnerName;
        lines.push_back(ShortString(row.Name + ";" + std::to_string(row.Score) + ";" + row.Date));
    }
    return lines;
}

std::string TtopTen::FilePath() const
{
    return scoreFolder.empty() ? TableFileName : scoreFolder + "/" + TableFileName;
}

int TtopTen::OpenOnce(TRecFile& File, const std::string& Name, int Share, TLockFile* Lock)
{
    // The lock file first: the table's own lock may not reach the other machines of a shared folder.
    // Neither is held while waiting, so a copy that waits (or asks the player) keeps nobody out.
    const TLockFile::TResult locked = Lock ? Lock->TryLock(Name) : TLockFile::TResult::Held;
    if (locked == TLockFile::TResult::Busy) {
        File.OpenError = TFileOpenError::Busy;
        return -2;
    }
    if (locked == TLockFile::TResult::NotAFile || locked == TLockFile::TResult::Stuck) {
        // Waiting would not help: the player is told which file is in the way.
        File.OpenError = TFileOpenError::Refused;
        ReportFileError(-2, Lock->Path(), "TtopTen",
                        locked == TLockFile::TResult::Stuck ? kLockStuck : kLockNotAFile);
        reported_ = true;
        return -2;
    }
    const int r = File.OpenFile(Name, 1, Share);
    if (r != 1 && Lock)
        Lock->Unlock();
    return r;
}

int TtopTen::OpenWithRetry(TRecFile& File, const std::string& Name, int Share, TLockFile* Lock)
{
    // No permission, a read-only folder, a lock file in the way...: waiting would not help, and the
    // network is not to blame. Reported once, at once.
    const auto refused = [&] {
        if (File.OpenError != TFileOpenError::Refused)
            return false;
        if (!reported_)
            ReportFileError(-2, Name, "TtopTen", kOpenFailed);
        reported_ = false;
        return true;
    };
    for (;;) {
        int r = OpenOnce(File, Name, Share, Lock);
        if (r != -2 || refused())
            return r;
        for (int attempt = 1; attempt < kOpenAttempts && r == -2; ++attempt) {
            ProcessMessages();
            SleepMs(kRetryPauseMs);
            File.CloseFile();
            r = OpenOnce(File, Name, Share, Lock);
            if (r == -2 && refused())
                return r;
        }
        if (r != -2)
            return r;
        File.CloseFile();
        // A program that is closing does not stop to ask; the failure is still reported and logged.
        if (!Terminated() && Platform::Dialogs().Question(Tr("TtopTen", kBusyQuestion), kCaption))
            continue;
        ReportFileError(Share == -1 ? -801 : -802, Name, "TtopTen", kOpenFailed);
        return r;
    }
}

#include "new_term.h"

#include "class_folder.h"
#include "class_publisher.h"
#include "code_page.h"
#include "file_system.h"
#include "lock_file.h"
#include "top_ten.h"
#include "translation.h"

#include <QFile>
#include <QString>

#include <array>
#include <memory>

namespace {

std::string SystemName(const std::string& cp1252)
{
    return QFile::encodeName(FromCp1252(cp1252)).toStdString();
}

// One table held for the move: its lock file and its file's own lock.
struct THeldTable {
    std::string Path; // the system's bytes
    std::string Name; // as the folder spells it
    int Handle = -1;
    std::unique_ptr<TLockFile> Lock = std::make_unique<TLockFile>();
    ~THeldTable()
    {
        if (Handle >= 0)
            FileSystem::Close(Handle);
    }
};

} // namespace

bool StartNewTerm(const std::string& folder, const std::string& day, std::string& message)
{
    const std::string archive = folder + "/archive";
    const std::string target = archive + "/" + day;
    if (FileSystem::PathExists(target)) {
        message = FillArgs(TrUtf8("TNewTerm", "an archive of %1 exists already (%2): nothing was moved"),
                           {day, QFile::decodeName(QByteArray::fromStdString(target)).toStdString()});
        return false;
    }
    const std::string folderText = ToCp1252(QFile::decodeName(QByteArray::fromStdString(folder)));
    std::array<THeldTable, 3> tables;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        THeldTable& t = tables[i];
        const std::string nameText = FileSystem::NativePath(folderText + "/" + kTableFiles[i]);
        t.Path = SystemName(nameText);
        t.Name = nameText.substr(nameText.rfind('/') + 1);
        if (!FileSystem::FileExists(nameText))
            continue;
        TFileOpenError error = TFileOpenError::None;
        const bool locked = t.Lock->TryLock(nameText) != TLockFile::TResult::Busy;
        if (locked)
            t.Handle = FileSystem::Open(nameText, TFileAccess::Read, TFileShare::DenyAll,
                                        TFileCreation::OpenExisting, &error);
        if (!locked || error == TFileOpenError::Busy) {
            message = FillArgs(TrUtf8("TNewTerm", "a copy of the program is saving %1 just now: nothing was "
                                                  "moved, try again in a moment"),
                               {t.Name});
            return false;
        }
        if (t.Handle < 0) {
            message =
                FillArgs(TrUtf8("TNewTerm", "%1 cannot be opened: nothing was moved"), {t.Name});
            return false;
        }
    }
    unsigned mode = 0;
    long gid = -1;
    ClassFolder::ModeOf(folder, mode, gid);
    if (!ClassFolder::IsFolder(archive))
        ClassFolder::MakeFolder(archive, mode & 02775, gid);
    if (!ClassFolder::MakeFolder(target, mode & 02775, gid)) {
        message = FillArgs(TrUtf8("TNewTerm", "the archive folder %1 cannot be made: nothing was moved"),
                           {QFile::decodeName(QByteArray::fromStdString(target)).toStdString()});
        return false;
    }
    // Every row empty: a 514-byte record of zeros has an empty name, score 0 and an empty date.
    const std::string empty(std::size_t(TtopTen::kDefaultRows) * TtopTen::kRecordSize, '\0');
    int moved = 0;
    std::string problem;
    for (THeldTable& t : tables) {
        unsigned tableMode = 0664;
        long tableGid = -1;
        std::string contents;
        if (t.Handle >= 0) {
            ClassFolder::ModeOf(t.Path, tableMode, tableGid);
            if (!FileSystem::ReadContents(t.Handle, contents) ||
                !ClassFolder::ReplaceWhole(target + "/" + t.Name, contents,
                                           {tableMode, tableGid, true, false}, problem)) {
                message = FillArgs(TrUtf8("TNewTerm", "%1 could not be archived: %2"), {t.Name, problem});
                return false;
            }
            ++moved;
        }
        // The table's name never goes missing: a copy starting a game meanwhile finds the old table or
        // the new one, never none, which would make it write the default table.
        if (!ClassFolder::ReplaceWhole(t.Path, empty, {tableMode, tableGid, false, false}, problem)) {
            message = FillArgs(TrUtf8("TNewTerm", "%1 could not be started again: %2"), {t.Name, problem});
            return false;
        }
    }
    const std::string copies = ClassProgressFolder(folder);
    int pupils = 0;
    if (ClassFolder::IsFolder(copies)) {
        unsigned copiesMode = 0;
        long copiesGid = -1;
        ClassFolder::ModeOf(copies, copiesMode, copiesGid);
        const std::string into = target + "/" + kClassProgressFolder;
        // The pupils' copies stay as private as they were: the teacher and the teachers' group only.
        ClassFolder::MakeFolder(into, 02750, copiesGid);
        std::vector<std::string> names;
        ClassFolder::ListNames(copies, ".db", names);
        for (const std::string& name : names)
            if (ClassFolder::MoveNew(copies + "/" + name, into + "/" + name, problem))
                ++pupils;
            else {
                message =
                    FillArgs(TrUtf8("TNewTerm", "the tables are archived, but %1 could not be moved: %2"),
                             {name, problem});
                return false;
            }
    }
    message = FillArgs(TrUtf8("TNewTerm", "a new term has begun: %1 tables and %2 pupils' copies are in %3"),
                       {std::to_string(moved), std::to_string(pupils),
                        QFile::decodeName(QByteArray::fromStdString(target)).toStdString()});
    return true;
}

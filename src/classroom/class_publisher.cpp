#include "class_publisher.h"

#include "class_folder.h"
#include "code_page.h"
#include "errors.h"
#include "file_system.h"
#include "progress_store.h"
#include "pupil_copy.h"
#include "system.h"

#include <QFile>
#include <QString>

namespace {

// 0640 whatever the umask. The copy is not flushed to the disk: that would cost every game's end
// several milliseconds, and a copy lost to a power cut is made again at the pupil's next game.
const ClassFolder::TReplace kCopyWrite{0640, -1, true, true, false};

} // namespace

std::string ClassProgressFolder(const std::string& scoreFolder)
{
    return scoreFolder.empty() ? std::string() : scoreFolder + "/" + kClassProgressFolder;
}

TClassPublisher::TClassPublisher(std::string scoreFolder, std::string progressPath)
    : folder_(ClassProgressFolder(scoreFolder)), progressPath_(std::move(progressPath))
{
    const std::string login = ClassFolder::LoginName();
    if (!folder_.empty() && !login.empty())
        copyPath_ = folder_ + "/" + login + ".db";
}

bool TClassPublisher::Active() const
{
    return !copyPath_.empty() && ClassFolder::IsFolder(folder_);
}

void TClassPublisher::NameTyped(const std::string& name)
{
    name_ = name;
    nameKnown_ = true;
}

bool TClassPublisher::Publish()
{
    if (!Active())
        return false;
    // A run that has not typed a name yet keeps the one the last copy holds.
    if (!nameKnown_) {
        name_ = NameInCopy(copyPath_);
        nameKnown_ = true;
    }
    std::string bytes, problem, progress;
    // The player's own links lead to their file; another user's link is no progress of theirs.
    if (!FileSystem::ResolveLinks(progressPath_, progress))
        progress.clear();
    const bool done = MakePupilCopy(progress, name_, DateTimeText(Now()), bytes, problem) &&
                      ClassFolder::ReplaceWhole(copyPath_, bytes, kCopyWrite, problem);
    if (!done && !logged_) {
        logged_ = true;
        LogError(TProgressStore::kErrorCode,
                 "The copy of the progress for the class (" +
                     ToCp1252(QFile::decodeName(QByteArray::fromStdString(copyPath_))) +
                     ") could not be written: " + problem +
                     ". The game is kept in the player's own progress.");
    }
    return done;
}

#pragma once
#include <string>

// The folder of a class's score folder where each pupil's copy of their progress goes. The
// administrator makes it (owned by the teacher, group of the teachers, mode 3773): pupils may add
// their own file there, but neither list the folder nor read or replace a classmate's file.
inline constexpr const char* kClassProgressFolder = "progress";

// The folder of the pupils' copies of scoreFolder (the system's bytes).
std::string ClassProgressFolder(const std::string& scoreFolder);

// Puts a copy of the player's progress into the class's folder, as progress/LOGIN.db, readable by
// the owner and the folder's group only (0640, whatever the umask), replaced whole. Without the
// folder nothing happens; a failure is logged once and never stops play.
class TClassPublisher {
  public:
    // scoreFolder: the system's bytes; empty when the tables stay in the working folder, which has no
    // class. progressPath: the player's progress database.
    TClassPublisher(std::string scoreFolder, std::string progressPath);

    // The class's folder is there: the player's progress reaches the teacher.
    bool Active() const;
    // Publishes the player's progress as it is stored now. False when it could not.
    bool Publish();
    // The player typed name (Windows-1252) into a top ten: the copy names them so from now on.
    void NameTyped(const std::string& name);
    // The copy's path, empty without a class's folder or a login name.
    const std::string& CopyPath() const { return copyPath_; }

  private:
    std::string folder_;
    std::string progressPath_;
    std::string copyPath_;
    std::string name_;
    bool nameKnown_ = false;
    bool logged_ = false;
};

#pragma once
#include <string>

// A fresh temporary folder made the current folder for the lifetime of the object, as the program
// makes its own folder current; the previous folder is restored and the scratch one removed after.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }
    // Writes a file with exactly these bytes; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

  private:
    std::string path_;
    std::string previous_;
};

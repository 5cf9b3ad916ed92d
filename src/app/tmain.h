#pragma once
#include <QObject>
#include <string>
#include <vector>

// The run of the program: prepares the book window, registers the sounds, runs the games loop and
// frees what start-up made. Class-level only; it is never instantiated.
class TMain {
  public:
    TMain() = delete;

    // Runs Launch, then Shutdown; returns the process exit status.
    static int Main();
    // Start-up and the games loop; false when start-up ended the program early.
    static bool Launch();
    static void Shutdown();
    static void ExitClick(QObject* Sender);
    static void BookFormClose(QObject* Sender, bool& Cancel);

    // The folder made current at start-up: the executable's folder unless a test sets another.
    static std::string ProgramFolder;
    // The folder tried for writing to decide whether the program folder can keep the player's files:
    // the program folder itself unless a test names another.
    static std::string ProbeFolder;
    // The player's state folder, where the progress is kept: UserStateFolder() unless a test sets another.
    static std::string StateFolder;
    // The program's arguments, its name first (--scores FOLDER names the folder of the top-ten tables).
    static std::vector<std::string> Arguments;
    static int ExitCode;
};

// Creates the main window and the storage forms, in the order the program needs them.
class IScreen;
// The message for a screen whose display area cannot hold the book (bookWidth x bookHeight program
// pixels); empty when it fits. Scaled, the message names the scale factor. Windows-1252.
std::string SmallScreenMessage(IScreen& screen, int bookWidth, int bookHeight);

void CreateForms();
void FreeForms();

#pragma once

class QWidget;

// Ending from outside: SIGTERM, SIGINT and SIGHUP (a desktop logging out, a terminal closing, Ctrl+C)
// are taken as the player's request to close the window, as the close box makes it: a running game ends
// without a top-ten entry, and a name being typed into the top-ten box is stored. A second such signal
// ends the program at once, as the signal's default action would. A signal that was ignored when the
// program started (nohup, a shell's background job) stays ignored.
//
// A handler may do almost nothing, so it only writes to a pipe; the close request is made later by
// the message processing of whichever loop is running, between two game steps as every close is.
namespace Signals {

// Installs the handlers for window, or arms them again for a new window: the next signal is a first
// one again. False when they could not be installed (the signals then keep their default action).
bool CloseOnSignals(QWidget* window);

// Gives the three signals their default action back and forgets the window.
void RestoreDefaults();

} // namespace Signals

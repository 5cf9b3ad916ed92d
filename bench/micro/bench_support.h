#pragma once
#include <string>

class TCustomGameEvent;
class TFormView;

// What every micro-benchmark shares: a benchmark whose set-up did not give it the work it means to
// measure (an empty field, a short word list, a table that is not full) ends the run with a message
// instead of timing nothing.

[[noreturn]] void Fail(const std::string& what);
// Fails with the message unless ok holds.
void Require(bool ok, const std::string& what);
// Closes a game that a benchmark opened, as leaving it does in play, before it is destroyed.
void CloseGame(TFormView& game);
// Puts an opened game into the state of its game loop (clock running, prompt and instruction card
// hidden, the window painted) without entering the loop: the benchmark makes the steps itself.
void EnterPlay(TCustomGameEvent& game);
// Shows the main window and waits until the windowing system lets it paint.
void ShowMainWindow();

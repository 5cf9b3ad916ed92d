#pragma once
#include <string>

// Short sound effects in numbered slots 1 to 4. Start-up registers one wave file per slot, anyone
// plays a slot by number, shutdown frees the slots. Playing never waits and never reports an error.
//
// Slots of this program: 1 click, 2 end of an event, 3 typing error; 4 is played on a miss but has
// nothing registered, so it stays silent.
inline constexpr int kSoundClick = 1;
inline constexpr int kSoundTheEnd = 2;
inline constexpr int kSoundError = 3;
inline constexpr int kSoundMiss = 4;

// True until the sound device refuses a file that exists; from then on the program runs silent.
extern bool SoundsEnabled;

// Gives Slot a player for FileName (looked up in the current folder). A missing file leaves the slot
// with a player that plays nothing. Registering a slot again replaces its player.
void RegisterSound(int Slot, const std::string& FileName);

// Starts the slot's sound and returns at once. A sound still playing is left to play on; one that
// has finished starts again from its beginning.
void PlaySoundSlot(int Slot);

// Empties the slot and closes its player.
void FreeSound(int Slot);

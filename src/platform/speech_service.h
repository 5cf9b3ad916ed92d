#pragma once
#include "system.h"

#include <memory>
#include <string>

// The speech service over speech-dispatcher (libspeechd), the desktop's own speech service: the
// player's voice, rate and braille settings apply. Texts go to a queue that a small thread of its
// own hands to the service, so that a game step never waits for it. The connection is opened by that
// thread on the first text; without a service the texts are dropped, with one log line.
std::unique_ptr<ISpeech> MakeSpeechDispatcher();

// Whether the game is spoken. Until set, speech is on when a screen reader is running. While it is off,
// Speak and SpeakCharacter cost nothing and the speech service is never opened.
bool SpeechOn();
void SetSpeechOn(bool on);
// Turns speech on or off and says so (the speech key).
void ToggleSpeech();
// Queues a text (Windows-1252) or one character when speech is on.
void Speak(const std::string& text);
void SpeakCharacter(char c);
// Forgets the choice, so that the next use asks about a screen reader again (tests).
void ResetSpeechChoice();

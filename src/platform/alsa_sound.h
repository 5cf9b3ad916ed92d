#pragma once
#include "system.h"

#include <memory>

// The sound device over the system's PCM audio ("default" device): each wave opens its own playback
// stream once, at start-up, and plays from a small thread of its own so that playing never waits.
std::unique_ptr<ISoundDevice> MakeAlsaSoundDevice();

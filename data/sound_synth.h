#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The three sound effects of the program, computed rather than recorded, so that the program's folder
// can be assembled from text sources alone. Each sound is a mono signal in the range -1..1 that starts
// and ends in silence, so the player hears no pop when it starts or stops.
namespace SoundSynth {

inline constexpr int kSampleRate = 22050;

using Samples = std::vector<float>;

// A short, crisp tick for button clicks (about 40 ms).
Samples MakeClick(int sampleRate = kSampleRate);
// A short, low buzz for a typing error (about 200 ms).
Samples MakeError(int sampleRate = kSampleRate);
// A falling jingle of four notes for the end of a game (about one second).
Samples MakeTheEnd(int sampleRate = kSampleRate);

// The samples as a 16-bit PCM mono RIFF/WAVE file image. Values beyond -1..1 are clipped.
std::vector<std::uint8_t> EncodeWave(const Samples& samples, int sampleRate = kSampleRate);

// Writes bytes to path, replacing the file. Returns false when the file cannot be written whole.
bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace SoundSynth

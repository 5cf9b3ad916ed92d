#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The samples of a RIFF wave file in the form the sound device plays: uncompressed PCM, 8 or 16 bits,
// mono or stereo, frames interleaved.
struct TWaveData {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::uint8_t> samples; // whole frames only

    int FrameBytes() const { return channels * bitsPerSample / 8; }
    std::size_t FrameCount() const { return FrameBytes() > 0 ? samples.size() / FrameBytes() : 0; }
};

// Reads the format and sample chunks of a wave file held in memory. Anything that is not a well-formed
// PCM wave the device can play gives no value: chunk sizes are checked against the bytes really there.
std::optional<TWaveData> ParseWave(const std::vector<std::uint8_t>& bytes);

// Reads a wave file from disk (path in UTF-8); no value when it can't be read or isn't a playable wave.
std::optional<TWaveData> ReadWaveFile(const std::string& path);

#include "wave_file.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::size_t kMaxWaveBytes = 64u * 1024u * 1024u; // far above any sound effect

std::uint32_t U32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t U16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool Tag(const std::uint8_t* p, const char* tag)
{
    return std::memcmp(p, tag, 4) == 0;
}

} // namespace

std::optional<TWaveData> ParseWave(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < 12 || !Tag(bytes.data(), "RIFF") || !Tag(bytes.data() + 8, "WAVE"))
        return std::nullopt;
    TWaveData wave;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        const std::uint8_t* chunk = bytes.data() + pos;
        const std::size_t size = U32(chunk + 4);
        const std::size_t available = bytes.size() - pos - 8;
        if (Tag(chunk, "fmt ")) {
            if (size < 16 || size > available || U16(chunk + 8) != kFormatPcm)
                return std::nullopt;
            wave.channels = U16(chunk + 10);
            wave.sampleRate = static_cast<int>(U32(chunk + 12));
            wave.bitsPerSample = U16(chunk + 22);
            const bool playable = (wave.channels == 1 || wave.channels == 2) &&
                                  (wave.bitsPerSample == 8 || wave.bitsPerSample == 16) &&
                                  wave.sampleRate >= 4000 && wave.sampleRate <= 192000;
            if (!playable)
                return std::nullopt;
            haveFormat = true;
        } else if (Tag(chunk, "data")) {
            if (!haveFormat)
                return std::nullopt;
            // Writers that stream often leave the size too large; play what is really there.
            const std::size_t take = std::min(size, available);
            const std::size_t whole = take - take % static_cast<std::size_t>(wave.FrameBytes());
            wave.samples.assign(chunk + 8, chunk + 8 + whole);
            return wave;
        }
        if (size > available)
            return std::nullopt;
        pos += 8 + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

std::optional<TWaveData> ReadWaveFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    if (length < 0 || static_cast<std::size_t>(length) > kMaxWaveBytes)
        return std::nullopt;
    in.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), length))
        return std::nullopt;
    return ParseWave(bytes);
}

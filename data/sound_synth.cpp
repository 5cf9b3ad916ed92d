#include "sound_synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <numbers>

namespace SoundSynth {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

int SampleCount(double seconds, int sampleRate)
{
    return static_cast<int>(std::lround(seconds * sampleRate));
}

// Raised-cosine ramps over the first and last samples: the sound starts and ends exactly at zero and
// its loudness changes without a corner, which is what makes a speaker click.
void FadeEdges(Samples& samples, int fadeIn, int fadeOut)
{
    const int n = static_cast<int>(samples.size());
    fadeIn = std::min(fadeIn, n);
    fadeOut = std::min(fadeOut, n);
    for (int i = 0; i < fadeIn; ++i) {
        samples[i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeIn));
    }
    for (int i = 0; i < fadeOut; ++i) {
        const int k = n - 1 - i; // i samples before the end
        samples[k] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeOut));
    }
}

// Scales the sound so that its loudest sample has the given level: every effect is as loud as
// intended and none reaches full scale, where the 16-bit samples would clip.
void Normalize(Samples& samples, float peak)
{
    float loudest = 0.0f;
    for (float s : samples)
        loudest = std::max(loudest, std::fabs(s));
    if (loudest <= 0.0f)
        return;
    const float gain = peak / loudest;
    for (float& s : samples)
        s *= gain;
}

// A small linear congruential generator: the click's noise is the same on every build, so the
// shipped files do not change from one build to the next.
class Noise {
  public:
    float Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<float>(state_ >> 8) / static_cast<float>(1u << 24) * 2.0f - 1.0f;
    }

  private:
    std::uint32_t state_ = 12345u;
};

// A square wave built from its odd harmonics below the given ceiling, so that no harmonic folds
// back below the sampling limit as an unpleasant whistle.
double SoftSquare(double frequency, double t, double ceiling)
{
    double value = 0.0;
    for (int k = 1; k * frequency < ceiling; k += 2)
        value += std::sin(kTwoPi * k * frequency * t) / k;
    return value;
}

void PutLe16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

Samples MakeClick(int sampleRate)
{
    // Two quickly dying tones give the tick its pitch; a burst of high-passed noise gives the edge.
    Samples samples(SampleCount(0.040, sampleRate));
    Noise noise;
    float previousNoise = 0.0f;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const float white = noise.Next();
        const float crisp = white - previousNoise;
        previousNoise = white;
        samples[i] = static_cast<float>(0.6 * std::sin(kTwoPi * 2400.0 * t) * std::exp(-t / 0.004) +
                                        0.4 * std::sin(kTwoPi * 1200.0 * t) * std::exp(-t / 0.008) +
                                        0.25 * crisp * std::exp(-t / 0.0015));
    }
    FadeEdges(samples, SampleCount(0.0005, sampleRate), SampleCount(0.010, sampleRate));
    Normalize(samples, 0.7f);
    return samples;
}

Samples MakeError(int sampleRate)
{
    // Two square waves a semitone apart beat against each other: a low, rough "no".
    Samples samples(SampleCount(0.200, sampleRate));
    const double ceiling = 0.4 * sampleRate;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        samples[i] = static_cast<float>(SoftSquare(110.0, t, ceiling) + 0.8 * SoftSquare(116.5, t, ceiling));
    }
    FadeEdges(samples, SampleCount(0.006, sampleRate), SampleCount(0.050, sampleRate));
    Normalize(samples, 0.6f);
    return samples;
}

Samples MakeTheEnd(int sampleRate)
{
    // G, E, C and the low G: a falling arpeggio whose last note rings longer. Each note sounds a
    // little into the next one, so the jingle flows instead of stepping.
    struct Note {
        double frequency;
        double start;
        double length;
        double decay;
    };
    constexpr std::array<Note, 4> notes{{
        {783.99, 0.00, 0.24, 0.12},
        {659.26, 0.18, 0.24, 0.12},
        {523.25, 0.36, 0.24, 0.12},
        {392.00, 0.54, 0.46, 0.25},
    }};
    constexpr std::array<double, 4> harmonics{1.0, 0.35, 0.15, 0.06};

    Samples samples(SampleCount(1.0, sampleRate), 0.0f);
    for (const Note& note : notes) {
        const int first = SampleCount(note.start, sampleRate);
        const int count = SampleCount(note.length, sampleRate);
        const int attack = SampleCount(0.010, sampleRate);
        const int release = SampleCount(0.040, sampleRate);
        for (int i = 0; i < count && first + i < static_cast<int>(samples.size()); ++i) {
            const double t = static_cast<double>(i) / sampleRate;
            double envelope = std::exp(-t / note.decay);
            if (i < attack)
                envelope *= static_cast<double>(i) / attack;
            if (i > count - release)
                envelope *= static_cast<double>(count - i) / release;
            double tone = 0.0;
            for (std::size_t h = 0; h < harmonics.size(); ++h) {
                tone += harmonics[h] * std::sin(kTwoPi * (h + 1) * note.frequency * t);
            }
            samples[first + i] += static_cast<float>(envelope * tone);
        }
    }
    FadeEdges(samples, 1, SampleCount(0.050, sampleRate));
    Normalize(samples, 0.7f);
    return samples;
}

std::vector<std::uint8_t> EncodeWave(const Samples& samples, int sampleRate)
{
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBitsPerSample = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    PutLe32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLe32(out, 16);
    PutLe16(out, 1); // integer PCM
    PutLe16(out, kChannels);
    PutLe32(out, static_cast<std::uint32_t>(sampleRate));
    PutLe32(out, static_cast<std::uint32_t>(sampleRate) * kBlockAlign);
    PutLe16(out, kBlockAlign);
    PutLe16(out, kBitsPerSample);
    PutTag(out, "data");
    PutLe32(out, dataBytes);
    for (float s : samples) {
        const float clipped = std::clamp(s, -1.0f, 1.0f);
        const auto value = static_cast<std::int16_t>(std::lround(clipped * 32767.0f));
        PutLe16(out, static_cast<std::uint16_t>(value));
    }
    return out;
}

bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

} // namespace SoundSynth

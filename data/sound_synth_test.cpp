#include "sound_synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>

using namespace SoundSynth;

namespace {

constexpr int kRate = kSampleRate;

float Peak(const Samples& s) {
    float peak = 0.0f;
    for (float v : s) peak = std::max(peak, std::fabs(v));
    return peak;
}

double Rms(const Samples& s) {
    double sum = 0.0;
    for (float v : s) sum += static_cast<double>(v) * v;
    return std::sqrt(sum / static_cast<double>(s.size()));
}

// Fundamental frequency of a stretch of the sound, from the first lag whose normalised
// autocorrelation comes close to the best one (taking the first avoids octave errors).
double PitchOf(const Samples& s, double fromSeconds, double toSeconds) {
    const auto first = static_cast<std::size_t>(fromSeconds * kRate);
    const auto last = static_cast<std::size_t>(toSeconds * kRate);
    const int minLag = kRate / 2000;
    const int maxLag = kRate / 50;
    std::vector<double> score(maxLag + 1, -1.0);
    double best = -1.0;
    for (int lag = minLag; lag <= maxLag; ++lag) {
        double cross = 0.0, a = 0.0, b = 0.0;
        for (std::size_t i = first; i + lag < last; ++i) {
            cross += s[i] * s[i + lag];
            a += s[i] * s[i];
            b += s[i + lag] * s[i + lag];
        }
        score[lag] = (a > 0.0 && b > 0.0) ? cross / std::sqrt(a * b) : -1.0;
        best = std::max(best, score[lag]);
    }
    // Skip the lags of the main lobe around zero before looking for the first peak.
    int lag = minLag;
    while (lag < maxLag && score[lag] > 0.0) ++lag;
    for (; lag < maxLag; ++lag) {
        if (score[lag] >= 0.9 * best && score[lag] >= score[lag + 1]) return static_cast<double>(kRate) / lag;
    }
    return 0.0;
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::string Tag(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                       b.begin() + static_cast<std::ptrdiff_t>(at) + 4);
}

struct EffectCase {
    const char* name;
    Samples (*make)(int);
    double minSeconds;
    double maxSeconds;
};

const EffectCase kEffects[] = {
    {"click", MakeClick, 0.030, 0.060},
    {"error", MakeError, 0.150, 0.250},
    {"end", MakeTheEnd, 0.800, 1.200},
};

} // namespace

TEST(SoundSynth, EachEffectLastsItsIntendedTime) {
    for (const EffectCase& effect : kEffects) {
        const double seconds = static_cast<double>(effect.make(kRate).size()) / kRate;
        EXPECT_GE(seconds, effect.minSeconds) << effect.name;
        EXPECT_LE(seconds, effect.maxSeconds) << effect.name;
    }
}

TEST(SoundSynth, EachEffectIsAudibleWithoutClipping) {
    for (const EffectCase& effect : kEffects) {
        const Samples s = effect.make(kRate);
        EXPECT_GE(Peak(s), 0.4f) << effect.name;
        EXPECT_LE(Peak(s), 0.9f) << effect.name;
        EXPECT_GE(Rms(s), 0.05) << effect.name;
    }
}

// A sound that starts or stops away from zero makes the speaker pop.
TEST(SoundSynth, EachEffectStartsAndEndsInSilence) {
    for (const EffectCase& effect : kEffects) {
        const Samples s = effect.make(kRate);
        EXPECT_LT(std::fabs(s.front()), 0.01f) << effect.name;
        EXPECT_LT(std::fabs(s.back()), 0.01f) << effect.name;
        const auto tail = s.size() - s.size() / 50;
        EXPECT_LT(Peak(Samples(s.begin() + static_cast<std::ptrdiff_t>(tail), s.end())), 0.2f * Peak(s))
            << effect.name << " is still loud at its end";
    }
}

TEST(SoundSynth, EndJingleFallsFromHighToLow) {
    const Samples s = MakeTheEnd(kRate);
    const double start = PitchOf(s, 0.02, 0.15);
    const double end = PitchOf(s, 0.62, 0.90);
    EXPECT_GT(start, 600.0);
    EXPECT_LT(end, 450.0);
    EXPECT_GT(end, 300.0);
}

TEST(SoundSynth, ErrorIsALowBuzzAndClickIsHigh) {
    EXPECT_LT(PitchOf(MakeError(kRate), 0.01, 0.15), 200.0);
    const Samples click = MakeClick(kRate);
    EXPECT_GT(PitchOf(click, 0.0, 0.02), 800.0);
}

TEST(SoundSynth, WaveHeaderDescribesSixteenBitMonoPcm) {
    const Samples s(1000, 0.25f);
    const std::vector<std::uint8_t> b = EncodeWave(s, 22050);
    ASSERT_EQ(b.size(), 44u + 2000u);
    EXPECT_EQ(Tag(b, 0), "RIFF");
    EXPECT_EQ(Le32(b, 4), b.size() - 8);
    EXPECT_EQ(Tag(b, 8), "WAVE");
    EXPECT_EQ(Tag(b, 12), "fmt ");
    EXPECT_EQ(Le32(b, 16), 16u);
    EXPECT_EQ(Le16(b, 20), 1u);          // PCM
    EXPECT_EQ(Le16(b, 22), 1u);          // mono
    EXPECT_EQ(Le32(b, 24), 22050u);      // samples per second
    EXPECT_EQ(Le32(b, 28), 22050u * 2u); // bytes per second
    EXPECT_EQ(Le16(b, 32), 2u);          // bytes per sample frame
    EXPECT_EQ(Le16(b, 34), 16u);         // bits per sample
    EXPECT_EQ(Tag(b, 36), "data");
    EXPECT_EQ(Le32(b, 40), 2000u);
}

TEST(SoundSynth, SamplesAreStoredLittleEndianAndClipped) {
    const struct {
        float in;
        std::int16_t out;
    } rows[] = {{0.0f, 0},       {0.5f, 16384}, {-0.5f, -16384}, {1.0f, 32767},
                {-1.0f, -32767}, {3.0f, 32767}, {-3.0f, -32767}};
    Samples s;
    for (const auto& row : rows) s.push_back(row.in);
    const std::vector<std::uint8_t> b = EncodeWave(s, kRate);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(static_cast<std::int16_t>(Le16(b, 44 + 2 * i)), rows[i].out) << "input " << rows[i].in;
    }
}

TEST(SoundSynth, WritingIntoAMissingFolderFails) {
    const auto folder = std::filesystem::temp_directory_path() / "kv-synth-missing-folder";
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(WriteBytes((folder / "Click.wav").string(), {1, 2, 3}));

    std::filesystem::create_directories(folder);
    const auto file = folder / "Click.wav";
    EXPECT_TRUE(WriteBytes(file.string(), {1, 2, 3}));
    EXPECT_EQ(std::filesystem::file_size(file), 3u);
    std::filesystem::remove_all(folder);
}

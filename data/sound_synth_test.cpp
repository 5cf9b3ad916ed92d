#include "sound_synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace SoundSynth;

namespace {

float Peak(const Samples& s, std::size_t from = 0)
{
    float peak = 0.0f;
    for (std::size_t i = from; i < s.size(); ++i)
        peak = std::max(peak, std::fabs(s[i]));
    return peak;
}

// Fundamental frequency of a stretch of the sound: the first lag, after the lobe around zero, whose
// normalised autocorrelation comes within 10 % of the best (taking the first avoids octave errors).
double PitchOf(const Samples& s, double fromSeconds, double toSeconds)
{
    const auto first = static_cast<std::size_t>(fromSeconds * kSampleRate);
    const auto last = static_cast<std::size_t>(toSeconds * kSampleRate);
    std::vector<double> score(kSampleRate / 50 + 1, -1.0);
    for (std::size_t lag = 5; lag < score.size(); ++lag) {
        double cross = 0.0, a = 0.0, b = 0.0;
        for (std::size_t i = first; i + lag < last; ++i) {
            cross += s[i] * s[i + lag];
            a += s[i] * s[i];
            b += s[i + lag] * s[i + lag];
        }
        score[lag] = cross / std::sqrt(a * b + 1e-12);
    }
    const double best = *std::max_element(score.begin(), score.end());
    std::size_t lag = 5;
    while (lag + 1 < score.size() && score[lag] > 0.0)
        ++lag;
    for (; lag + 1 < score.size(); ++lag) {
        if (score[lag] >= 0.9 * best && score[lag] >= score[lag + 1])
            return double(kSampleRate) / lag;
    }
    return 0.0;
}

unsigned Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes)
{
    unsigned value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | b[at + i];
    return value;
}

} // namespace

TEST(SoundSynth, EachEffectHasItsLengthAndLoudnessAndSilentEdges)
{
    const struct {
        const char* name;
        Samples samples;
        double minSeconds, maxSeconds;
    } effects[] = {
        {"click", MakeClick(), 0.030, 0.060},
        {"error", MakeError(), 0.150, 0.250},
        {"end", MakeTheEnd(), 0.800, 1.200},
    };
    for (const auto& e : effects) {
        const Samples& s = e.samples;
        const double seconds = double(s.size()) / kSampleRate;
        EXPECT_GE(seconds, e.minSeconds) << e.name;
        EXPECT_LE(seconds, e.maxSeconds) << e.name;
        // Audible, yet with headroom below full scale, where the 16-bit samples would clip.
        EXPECT_GE(Peak(s), 0.4f) << e.name;
        EXPECT_LE(Peak(s), 0.9f) << e.name;
        // A sound that starts or stops away from zero makes the speaker pop.
        EXPECT_LT(std::fabs(s.front()), 0.01f) << e.name;
        EXPECT_LT(std::fabs(s.back()), 0.01f) << e.name;
        EXPECT_LT(Peak(s, s.size() - s.size() / 50), 0.2f * Peak(s)) << e.name << " is still loud at its end";
    }
}

TEST(SoundSynth, EndJingleFallsFromHighToLowAndErrorBuzzIsLow)
{
    const Samples end = MakeTheEnd();
    EXPECT_GT(PitchOf(end, 0.02, 0.15), 600.0);
    const double last = PitchOf(end, 0.62, 0.90);
    EXPECT_GT(last, 300.0);
    EXPECT_LT(last, 450.0);
    EXPECT_LT(PitchOf(MakeError(), 0.01, 0.15), 200.0);
}

TEST(SoundSynth, WaveFileIsSixteenBitMonoPcmWithClippedLittleEndianSamples)
{
    const std::vector<std::uint8_t> b = EncodeWave({0.0f, 0.5f, -0.5f, 1.0f, -3.0f}, 22050);
    ASSERT_EQ(b.size(), 44u + 10u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(Le(b, 4, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    // chunk size, PCM, mono, samples per second, bytes per second, bytes per frame, bits per sample
    const unsigned format[][3] = {{16, 4, 16},    {20, 2, 1}, {22, 2, 1}, {24, 4, 22050},
                                  {28, 4, 44100}, {32, 2, 2}, {34, 2, 16}};
    for (const auto& f : format)
        EXPECT_EQ(Le(b, f[0], int(f[1])), f[2]) << "offset " << f[0];
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    EXPECT_EQ(Le(b, 40, 4), 10u);
    const int expected[] = {0, 16384, -16384, 32767, -32767};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(std::int16_t(Le(b, 44 + 2 * i, 2)), expected[i]) << "sample " << i;
}

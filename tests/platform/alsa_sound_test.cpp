#include "alsa_sound.h"
#include "scoped_env.h"
#include "scratch_dir.h"

#include <alsa/asoundlib.h>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace {

// A real device: the audio library's "default" device is pointed, through the configuration file in the
// (scratch) home folder, at a plug-in that writes every frame played to a file.
class AlsaSoundTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        snd_config_update_free_global(); // read the configuration again, from this test's home

        dir.Write(".asoundrc", "pcm.!default { type file; slave.pcm \"null\"; file \"" + dir.Path() +
                                   "/played.raw\"; format \"raw\" }\n");
    }

    std::string Wave(const std::string& samples)
    {
        auto u32 = [](std::uint32_t v) {
            return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                               static_cast<char>(v >> 24)};
        };
        const std::string fmt = std::string("fmt ") + u32(16) + std::string{1, 0, 1, 0} + u32(8000) +
                                u32(16000) + std::string{2, 0, 16, 0};
        const std::string data = "data" + u32(static_cast<std::uint32_t>(samples.size())) + samples;
        return "RIFF" + u32(static_cast<std::uint32_t>(4 + fmt.size() + data.size())) + "WAVE" + fmt + data;
    }

    static bool WaitUntilQuiet(IWaveSound& sound)
    {
        for (int i = 0; i < 300 && sound.Playing(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return !sound.Playing();
    }

    ScratchDir dir;
    TScopedEnv home{"HOME", dir.Path()};
    TScopedEnv configHome{"XDG_CONFIG_HOME", dir.Path()}; // no player's own audio configuration either
};

std::string Samples(std::size_t frames)
{
    std::string s;
    for (std::size_t i = 0; i < frames; ++i) {
        s.push_back(static_cast<char>(i * 7));
        s.push_back(static_cast<char>(i >> 3));
    }
    return s;
}

} // namespace

TEST_F(AlsaSoundTest, PlaysEveryFrameOnceAndAgainAfterItsEnd)
{
    // The file device takes frames faster than they would sound, so the sound's length is the time the
    // checks below have: 8000 frames, five times the former 1600, which a loaded machine (the package
    // build running the suite beside other builds) once outran between Play and Playing.
    const std::string samples = Samples(8000);
    const std::string file = dir.Write("Click.wav", Wave(samples));
    bool deviceError = true;
    auto sound = MakeAlsaSoundDevice()->Open(file, deviceError);
    ASSERT_TRUE(sound);
    EXPECT_FALSE(deviceError);
    ASSERT_TRUE(sound->CanPlay());

    sound->Play();
    EXPECT_TRUE(sound->Playing()) << "playing is reported as soon as Play returns";
    sound->Play(); // a second play while the first sounds does not start it over
    ASSERT_TRUE(WaitUntilQuiet(*sound));
    EXPECT_EQ(dir.Read("played.raw"), samples);

    sound->Play();
    ASSERT_TRUE(WaitUntilQuiet(*sound));
    sound.reset(); // closes the stream, so the file is complete
    EXPECT_EQ(dir.Read("played.raw"), samples + samples);
}

TEST_F(AlsaSoundTest, ANonWaveFileOrADeviceThatCannotOpenIsADeviceError)
{
    const std::string text = dir.Write("Error.wav", "this is text, not sound");
    bool deviceError = false;
    EXPECT_FALSE(MakeAlsaSoundDevice()->Open(text, deviceError));
    EXPECT_TRUE(deviceError) << "not a wave";

    dir.Write(".asoundrc", "pcm.!default { type hw; card 97 }\n");
    snd_config_update_free_global();
    const std::string wave = dir.Write("Click.wav", Wave(Samples(10)));
    deviceError = false;
    EXPECT_FALSE(MakeAlsaSoundDevice()->Open(wave, deviceError));
    EXPECT_TRUE(deviceError) << "no such sound card";
}

// Freeing a sound right after it was told to play meets its thread at work (handing over, writing or
// waiting for the tail): that must neither hang nor crash.
TEST_F(AlsaSoundTest, FreeingASoundRightAfterPlayReturnsPromptly)
{
    const std::string file = dir.Write("Theend.wav", Wave(Samples(8000 * 5)));
    bool deviceError = true;
    auto sound = MakeAlsaSoundDevice()->Open(file, deviceError);
    ASSERT_TRUE(sound);
    sound->Play();
    const auto start = std::chrono::steady_clock::now();
    sound.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

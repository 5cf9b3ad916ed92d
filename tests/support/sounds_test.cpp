#include "scratch_dir.h"
#include "sounds.h"
#include "test_platform.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

class SoundSlots : public testing::Test {
  protected:
    // Registers the start-up sounds with only the given files present in the folder.
    void Register(const Names& present)
    {
        SoundsEnabled = true;
        for (const std::string& name : present)
            dir.Write(name, "RIFF");
        RegisterSound(1, "Click.wav");
        RegisterSound(2, "Theend.wav");
        RegisterSound(3, "Error.wav");
    }
    // The players refer to the recording device, which goes with the platform doubles.
    void TearDown() override
    {
        for (int slot = 1; slot <= 4; ++slot)
            FreeSound(slot);
        SoundsEnabled = true;
    }
    ScratchDir dir;
    TestPlatform platform;
};

TEST_F(SoundSlots, MissingUnregisteredAndFreedSlotsAreSilentWhileTheOthersPlay)
{
    Register({"click.WAV", "Theend.wav"}); // names on disk match whatever their case
    for (int slot : {0, 1, 2, 3, 4, 5})
        PlaySoundSlot(slot);
    EXPECT_EQ(platform.sound->opened, (Names{"click.WAV", "Theend.wav"}));
    EXPECT_EQ(platform.sound->played, (Names{"click.WAV", "Theend.wav"}));

    FreeSound(2);
    platform.sound->played.clear();
    for (int slot : {1, 2})
        PlaySoundSlot(slot);
    EXPECT_EQ(platform.sound->played, (Names{"click.WAV"}));
    EXPECT_TRUE(SoundsEnabled);
}

TEST_F(SoundSlots, DeviceRefusingAFileSwitchesEverySlotOffForTheRun)
{
    platform.sound->failing = {"Theend.wav"};
    Register({"Click.wav", "Theend.wav", "Error.wav"});
    EXPECT_FALSE(SoundsEnabled);
    EXPECT_EQ(platform.sound->opened, (Names{"Click.wav", "Theend.wav"}));
    PlaySoundSlot(1); // registered before the failure
    EXPECT_TRUE(platform.sound->played.empty());
}

TEST_F(SoundSlots, PlayingAgainWhileStillSoundingDoesNotRestartButAFinishedSoundPlaysAgain)
{
    Register({"Click.wav"});
    platform.sound->playMs = 300;
    PlaySoundSlot(1);
    platform.clock->Advance(50);
    PlaySoundSlot(1);
    EXPECT_EQ(platform.sound->played.size(), 1u);
    platform.clock->Advance(300);
    PlaySoundSlot(1);
    EXPECT_EQ(platform.sound->played.size(), 2u);
}

} // namespace

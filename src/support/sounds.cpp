#include "sounds.h"

#include "file_system.h"
#include "system.h"

#include <array>
#include <memory>

bool SoundsEnabled = true;

namespace {

// The player of one slot. It holds no wave when its file was missing: such a player stays silent.
struct TSoundPlayer {
    std::unique_ptr<IWaveSound> wave;
};

constexpr int kSlotCount = 4;

std::array<std::unique_ptr<TSoundPlayer>, kSlotCount> gSlots;

std::unique_ptr<TSoundPlayer>* SlotAt(int Slot)
{
    if (Slot < 1 || Slot > kSlotCount)
        return nullptr;
    return &gSlots[static_cast<std::size_t>(Slot - 1)];
}

} // namespace

void RegisterSound(int Slot, const std::string& FileName)
{
    auto* slot = SlotAt(Slot);
    if (!SoundsEnabled || !slot)
        return;
    *slot = std::make_unique<TSoundPlayer>();
    if (!FileSystem::FileExists(FileName))
        return;
    // The device wants the name as it is spelled on disk; the program's names ignore case.
    bool deviceError = false;
    (*slot)->wave = Platform::Sound().Open(FileSystem::NativePath(FileName), deviceError);
    if (deviceError) {
        (*slot)->wave.reset();
        SoundsEnabled = false;
    }
}

void PlaySoundSlot(int Slot)
{
    auto* slot = SlotAt(Slot);
    if (!SoundsEnabled || !slot || !*slot)
        return;
    IWaveSound* wave = (*slot)->wave.get();
    if (!wave || !wave->CanPlay())
        return;
    // A second click while the first is still sounding must not cut it off and start over.
    if (wave->Playing())
        return;
    wave->Rewind();
    wave->Play();
}

void FreeSound(int Slot)
{
    auto* slot = SlotAt(Slot);
    if (!slot)
        return;
    // Empty the slot before the player goes, so nothing can reach a player being closed.
    std::unique_ptr<TSoundPlayer> player = std::move(*slot);
    player.reset();
}

#include "system.h"

#include "alsa_sound.h"
#include "code_page.h"
#include "production_services.h"
#include "speech_service.h"

#include <malloc.h>

namespace {

template <class T> struct Slot {
    std::unique_ptr<T> installed;
    std::unique_ptr<T> production;
};

Slot<IClock> gClock;
Slot<IEventPump> gPump;
Slot<IRandom> gRng;
Slot<IDialogs> gDialogs;
Slot<ISoundDevice> gSound;
Slot<IShell> gShell;
Slot<IScreen> gScreen;
Slot<ISpeech> gSpeech;

template <class T, class Make> T& Get(Slot<T>& slot, Make make)
{
    if (slot.installed)
        return *slot.installed;
    if (!slot.production)
        slot.production = make();
    return *slot.production;
}

} // namespace

IClock& Platform::Clock()
{
    return Get(gClock, MakeSystemClock);
}
IEventPump& Platform::Pump()
{
    return Get(gPump, MakeQtEventPump);
}
IRandom& Platform::Rng()
{
    return Get(gRng, MakeSystemRandom);
}
IDialogs& Platform::Dialogs()
{
    return Get(gDialogs, MakeMessageBoxDialogs);
}
ISoundDevice& Platform::Sound()
{
    return Get(gSound, MakeAlsaSoundDevice);
}
IShell& Platform::Shell()
{
    return Get(gShell, [] { return MakeDesktopShell(); });
}
IScreen& Platform::Screen()
{
    return Get(gScreen, MakeQtScreen);
}
ISpeech& Platform::Speech()
{
    return Get(gSpeech, MakeSpeechDispatcher);
}

void Platform::Install(std::unique_ptr<IClock> s)
{
    gClock.installed = std::move(s);
}
void Platform::Install(std::unique_ptr<IEventPump> s)
{
    gPump.installed = std::move(s);
}
void Platform::Install(std::unique_ptr<IRandom> s)
{
    gRng.installed = std::move(s);
}
void Platform::Install(std::unique_ptr<IDialogs> s)
{
    gDialogs.installed = std::move(s);
}
void Platform::Install(std::unique_ptr<ISoundDevice> s)
{
    gSound.installed = std::move(s);
}
void Platform::Install(std::unique_ptr<IShell> s)
{
    gShell.installed = std::move(s);
}
void Platform::Install(std::unique_ptr<IScreen> s)
{
    gScreen.installed = std::move(s);
}
void Platform::Install(std::unique_ptr<ISpeech> s)
{
    gSpeech.installed = std::move(s);
}

void Platform::Reset()
{
    gClock.installed.reset();
    gPump.installed.reset();
    gRng.installed.reset();
    gDialogs.installed.reset();
    gSound.installed.reset();
    gShell.installed.reset();
    gScreen.installed.reset();
    gSpeech.installed.reset();
}

void ReleaseFreedMemory()
{
    ::malloc_trim(0);
}

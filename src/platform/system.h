#pragma once
#include <cstdint>
#include <memory>
#include <string>

// The operating-system services the program uses, each behind a small interface. Production
// implementations sit beside these; tests install doubles (virtual clock, scripted dialogs...)
// through Platform::Install before they create any view.

class IClock {
  public:
    virtual ~IClock() = default;
    // Milliseconds since an arbitrary start, 32 bits wide: it wraps after about 49.7 days.
    virtual std::uint32_t TickCount() = 0;
    // Current local date and time as days since 1899-12-30 (fraction = time of day).
    virtual double Now() = 0;
    virtual void SleepMs(int ms) = 0;
};

class IEventPump {
  public:
    virtual ~IEventPump() = default;
    // Delivers every pending window message (keys, clicks, paints, timers, closes).
    virtual void ProcessMessages() = 0;
    virtual bool Terminated() = 0;
    virtual void Terminate() = 0;
};

class IRandom {
  public:
    virtual ~IRandom() = default;
    virtual int Random(int n) = 0; // uniform 0 .. n-1 (0 when n <= 0)
    virtual double Random() = 0;   // uniform in [0, 1)
    virtual void Randomize() = 0;  // re-seed from the clock
};

enum class TMsgKind { Information, Warning, Error };

class IDialogs {
  public:
    virtual ~IDialogs() = default;
    // A message box with one OK button; waits until it is dismissed. Texts are Windows-1252.
    virtual void Message(const std::string& text, const std::string& caption, TMsgKind kind) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool Question(const std::string& text, const std::string& caption) = 0;
};

// One wave file opened on the sound device.
class IWaveSound {
  public:
    virtual ~IWaveSound() = default;
    virtual bool CanPlay() = 0; // opened and ready to play
    virtual bool Playing() = 0;
    virtual void Rewind() = 0;
    virtual void Play() = 0; // starts and returns at once
};

class ISoundDevice {
  public:
    virtual ~ISoundDevice() = default;
    // Opens an existing wave file, named by its path on disk (UTF-8). Returns nullptr and sets
    // deviceError when the device refuses it.
    virtual std::unique_ptr<IWaveSound> Open(const std::string& fileName, bool& deviceError) = 0;
};

class IShell {
  public:
    virtual ~IShell() = default;
    // Opens a document with the desktop's default application. Returns a value above 32 on
    // success, below 32 on failure (2: file not found, 31: no application for it).
    virtual int OpenDocument(const std::string& file, const std::string& parameters,
                             const std::string& folder) = 0;
    // Where file lies, as a full path for the player to open by hand (Windows-1252); the name as
    // given when that is not known.
    virtual std::string Where(const std::string& file) { return file; }
};

class IScreen {
  public:
    virtual ~IScreen() = default;
    virtual int FullScreenClientWidth() = 0; // width available to a full-screen window
    virtual int Width() = 0;                 // whole screen
    virtual int Height() = 0;
    virtual int PixelsPerInch() = 0;
    // Screen pixels per pixel of the program (QT_SCALE_FACTOR, the desktop's scaling); the sizes above
    // are in the program's pixels.
    virtual double ScaleFactor() { return 1.0; }
};

// The desktop's speech service, which screen readers speak through too. Say queues a text (Windows-1252)
// or one character to be spoken and returns at once: the caller never waits for the service.
class ISpeech {
  public:
    virtual ~ISpeech() = default;
    virtual void Say(const std::string& text) = 0;
    virtual void SayCharacter(char c) = 0;
    // True when the desktop says a screen reader is running.
    virtual bool ScreenReaderRunning() = 0;
};

// Access to the installed services. Anything not installed falls back to the production one.
class Platform {
  public:
    static IClock& Clock();
    static IEventPump& Pump();
    static IRandom& Rng();
    static IDialogs& Dialogs();
    static ISoundDevice& Sound();
    static IShell& Shell();
    static IScreen& Screen();
    static ISpeech& Speech();

    // Installs a service; the platform keeps it until replaced (nullptr restores production).
    static void Install(std::unique_ptr<IClock> s);
    static void Install(std::unique_ptr<IEventPump> s);
    static void Install(std::unique_ptr<IRandom> s);
    static void Install(std::unique_ptr<IDialogs> s);
    static void Install(std::unique_ptr<ISoundDevice> s);
    static void Install(std::unique_ptr<IShell> s);
    static void Install(std::unique_ptr<IScreen> s);
    static void Install(std::unique_ptr<ISpeech> s);
    // Back to production services everywhere (tests call it between cases).
    static void Reset();
};

// Short forms used throughout the program.
inline std::uint32_t TickCount()
{
    return Platform::Clock().TickCount();
}
inline double Now()
{
    return Platform::Clock().Now();
}
inline void SleepMs(int ms)
{
    Platform::Clock().SleepMs(ms);
}
inline void ProcessMessages()
{
    Platform::Pump().ProcessMessages();
}
inline bool Terminated()
{
    return Platform::Pump().Terminated();
}
inline int Random(int n)
{
    return Platform::Rng().Random(n);
}
inline double Random()
{
    return Platform::Rng().Random();
}
inline void Randomize()
{
    Platform::Rng().Randomize();
}

// Hands the memory the program has freed back to the system. The allocator otherwise keeps it, and a
// session that plays the three games in turn ends up holding the leftovers of each.
void ReleaseFreedMemory();

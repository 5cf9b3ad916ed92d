#pragma once
#include "system.h"

#include <deque>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

// Virtual time: sleeping only advances it, so a minute of play takes milliseconds.
class VirtualClock : public IClock {
  public:
    std::uint32_t TickCount() override { return tick; }
    double Now() override { return startDate + elapsedMs / 86400000.0; }
    void SleepMs(int ms) override { Advance(ms); }
    void Advance(int ms)
    {
        tick += static_cast<std::uint32_t>(ms);
        elapsedMs += ms;
    }
    std::uint32_t tick = 1000;
    double startDate = 46000.5; // 2025-12-09, noon
    double elapsedMs = 0;
};

// The real message delivery plus virtual timers and a driver that acts like a player on every pass.
class TestPump : public IEventPump {
  public:
    void ProcessMessages() override;
    bool Terminated() override { return terminated; }
    void Terminate() override { terminated = true; }

    std::function<void()> driver;
    bool terminated = false;
    long passes = 0;
    // A safety net for tests: a loop still running after this many passes is terminated.
    long maxPasses = 2'000'000;
    bool hitPassLimit = false;

  private:
    bool inDriver_ = false;
};

class FixedRandom : public IRandom {
  public:
    explicit FixedRandom(unsigned seed = 12345) : engine_(seed), seed_(seed) {}
    int Random(int n) override { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    double Random() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    void Randomize() override { engine_.seed(seed_ + ++reseeds); }
    int reseeds = 0;

  private:
    std::mt19937 engine_;
    unsigned seed_;
};

struct ShownDialog {
    std::string text;
    std::string caption;
    bool question = false;
};

// Records every box shown; questions take their answers from a queue (Yes when it is empty).
class ScriptedDialogs : public IDialogs {
  public:
    void Message(const std::string& text, const std::string& caption, TMsgKind) override
    {
        shown.push_back({text, caption, false});
        if (onShow)
            onShow();
    }
    bool Question(const std::string& text, const std::string& caption) override
    {
        shown.push_back({text, caption, true});
        if (onShow)
            onShow();
        if (answers.empty())
            return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<ShownDialog> shown;
    std::deque<bool> answers;
    std::function<void()> onShow;
};

// A sound device that plays nothing and records what would have played.
class RecordingSoundDevice : public ISoundDevice {
  public:
    std::unique_ptr<IWaveSound> Open(const std::string& fileName, bool& deviceError) override;
    std::vector<std::string> opened;
    std::vector<std::string> played; // file names, in order
    std::set<std::string> failing;   // files the device refuses
    // How long (virtual ms) a sound plays; 0 means it finishes at once.
    int playMs = 0;
};

class RecordingShell : public IShell {
  public:
    int OpenDocument(const std::string& file, const std::string& parameters,
                     const std::string& folder) override
    {
        requests.push_back({file, parameters, folder});
        return answer;
    }
    struct Request {
        std::string file, parameters, folder;
    };
    std::vector<Request> requests;
    int answer = 42;
};

class FixedScreen : public IScreen {
  public:
    int FullScreenClientWidth() override { return clientWidth; }
    int Width() override { return width; }
    int Height() override { return height; }
    int PixelsPerInch() override { return ppi; }
    int clientWidth = 1280, width = 1280, height = 1024, ppi = 96;
};

// A speech service that records what it is given; no screen reader runs unless a test says so.
class RecordingSpeech : public ISpeech {
  public:
    void Say(const std::string& text) override { said.push_back(text); }
    void SayCharacter(char c) override { said.push_back(std::string(1, c)); }
    bool ScreenReaderRunning() override { return screenReader; }
    std::vector<std::string> said;
    bool screenReader = false;
};

// Installs every double for the lifetime of the object; the production services return afterwards.
struct TestPlatform {
    TestPlatform();
    ~TestPlatform();
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    VirtualClock* clock;
    TestPump* pump;
    FixedRandom* random;
    ScriptedDialogs* dialogs;
    RecordingSoundDevice* sound;
    RecordingShell* shell;
    FixedScreen* screen;
    RecordingSpeech* speech;
};

#include "test_platform.h"

#include "speech_service.h"

#include "production_services.h"
#include "timer.h"

namespace {

class RecordedSound : public IWaveSound {
  public:
    RecordedSound(RecordingSoundDevice& device, std::string name) : device_(device), name_(std::move(name)) {}
    bool CanPlay() override { return true; }
    bool Playing() override { return TickCount() < endsAt_; }
    void Rewind() override {}
    void Play() override
    {
        device_.played.push_back(name_);
        endsAt_ = TickCount() + static_cast<std::uint32_t>(device_.playMs);
    }

  private:
    RecordingSoundDevice& device_;
    std::string name_;
    std::uint32_t endsAt_ = 0;
};

} // namespace

void TestPump::ProcessMessages()
{
    ++passes;
    if (passes > maxPasses) {
        hitPassLimit = true;
        terminated = true;
    }
    DeliverPendingMessages();
    TTimer::FireDueTimers();
    // The driver may itself press keys that start nested loops; it is not re-entered from them.
    if (driver && !inDriver_) {
        inDriver_ = true;
        driver();
        inDriver_ = false;
    }
}

std::unique_ptr<IWaveSound> RecordingSoundDevice::Open(const std::string& fileName, bool& deviceError)
{
    opened.push_back(fileName);
    deviceError = failing.count(fileName) > 0;
    if (deviceError)
        return nullptr;
    return std::make_unique<RecordedSound>(*this, fileName);
}

TestPlatform::TestPlatform()
{
    auto c = std::make_unique<VirtualClock>();
    auto p = std::make_unique<TestPump>();
    auto r = std::make_unique<FixedRandom>();
    auto d = std::make_unique<ScriptedDialogs>();
    auto s = std::make_unique<RecordingSoundDevice>();
    auto sh = std::make_unique<RecordingShell>();
    auto sc = std::make_unique<FixedScreen>();
    auto sp = std::make_unique<RecordingSpeech>();
    clock = c.get();
    pump = p.get();
    random = r.get();
    dialogs = d.get();
    sound = s.get();
    shell = sh.get();
    screen = sc.get();
    speech = sp.get();
    Platform::Install(std::move(c));
    Platform::Install(std::move(p));
    Platform::Install(std::move(r));
    Platform::Install(std::move(d));
    Platform::Install(std::move(s));
    Platform::Install(std::move(sh));
    Platform::Install(std::move(sc));
    Platform::Install(std::move(sp));
    // Each test decides afresh whether the game is spoken, from its own screen-reader answer.
    ResetSpeechChoice();
    TTimer::SetVirtual(true);
}

TestPlatform::~TestPlatform()
{
    TTimer::SetVirtual(false);
    Platform::Reset();
    ResetSpeechChoice();
}

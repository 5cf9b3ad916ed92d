#pragma once
#include <QObject>
#include <functional>

class QTimer;

// A window timer: calls OnTimer every Interval milliseconds while enabled. Its ticks are delivered
// by the message processing of whatever loop is running, never in the middle of another handler.
// Under a virtual clock (tests) no real timer runs: the test pump calls FireDueTimers on every pass,
// which fires each timer whose interval has passed on the virtual clock.
class TTimer : public QObject {
  public:
    explicit TTimer(QObject* owner = nullptr);
    ~TTimer() override;

    void SetInterval(int ms);
    int Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    std::function<void()> OnTimer;

    static void SetVirtual(bool on);
    static bool Virtual();
    static void FireDueTimers();

  private:
    void Restart();
    void Fire();

    int interval_ = 1000;
    bool enabled_ = false;
    std::uint32_t lastFire_ = 0;
    QTimer* timer_ = nullptr;
};

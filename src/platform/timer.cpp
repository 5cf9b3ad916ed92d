#include "timer.h"

#include "system.h"

#include <QTimer>
#include <algorithm>
#include <vector>

namespace {
bool gVirtual = false;
std::vector<TTimer*>& Registry()
{
    static std::vector<TTimer*> timers;
    return timers;
}
} // namespace

TTimer::TTimer(QObject* owner) : QObject(owner)
{
    Registry().push_back(this);
}

TTimer::~TTimer()
{
    auto& r = Registry();
    r.erase(std::remove(r.begin(), r.end(), this), r.end());
}

void TTimer::SetInterval(int ms)
{
    interval_ = std::max(1, ms);
    if (enabled_)
        Restart();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Restart();
}

void TTimer::Restart()
{
    lastFire_ = TickCount();
    if (gVirtual) {
        if (timer_)
            timer_->stop();
        return;
    }
    if (!timer_) {
        timer_ = new QTimer(this);
        timer_->setTimerType(Qt::PreciseTimer);
        connect(timer_, &QTimer::timeout, this, [this] { Fire(); });
    }
    if (enabled_)
        timer_->start(interval_);
    else
        timer_->stop();
}

void TTimer::Fire()
{
    if (!enabled_)
        return;
    lastFire_ = TickCount();
    if (OnTimer)
        OnTimer();
}

void TTimer::SetVirtual(bool on)
{
    gVirtual = on;
}

bool TTimer::Virtual()
{
    return gVirtual;
}

void TTimer::FireDueTimers()
{
    const std::uint32_t now = TickCount();
    // A handler may create or delete timers: walk a snapshot and re-check membership.
    const std::vector<TTimer*> snapshot = Registry();
    for (TTimer* t : snapshot) {
        const auto& r = Registry();
        if (std::find(r.begin(), r.end(), t) == r.end())
            continue;
        if (t->enabled_ &&
            static_cast<std::uint32_t>(now - t->lastFire_) >= static_cast<std::uint32_t>(t->interval_))
            t->Fire();
    }
}

#include "key_record.h"

#include <algorithm>

void TKeyTally::Confuse(unsigned char typed, std::int32_t count)
{
    for (TConfusion& c : Confusions)
        if (c.Typed == typed) {
            c.Count += count;
            return;
        }
    Confusions.push_back({typed, count});
}

TKeyTally::TConfusion TKeyTally::MostConfused() const
{
    TConfusion most;
    for (const TConfusion& c : Confusions)
        if (c.Count > most.Count || (c.Count == most.Count && c.Count > 0 && c.Typed < most.Typed))
            most = c;
    return most;
}

bool TKeyRecord::Rated(unsigned char ch)
{
    switch (ch) {
    case 0x7F:
    case 0x81:
    case 0x8D:
    case 0x8F:
    case 0x90:
    case 0x9D:
    case 0xA0:
    case 0xAD:
        return false;
    default:
        return ch >= kFirst;
    }
}

void TKeyRecord::Correct(unsigned char due, std::int32_t ms)
{
    if (due < kFirst)
        return;
    TKeyTally& t = (*this)[due];
    t.Keystrokes += 1;
    if (ms >= 0) {
        t.TimedStrokes += 1;
        t.TimedMs += ms;
    }
}

void TKeyRecord::Error(unsigned char due, unsigned char typed)
{
    if (due < kFirst)
        return;
    TKeyTally& t = (*this)[due];
    t.Keystrokes += 1;
    t.Errors += 1;
    if (typed != due)
        t.Confuse(typed, 1);
}

void TKeyRecord::Add(const TKeyRecord& other)
{
    for (std::size_t i = 0; i < tallies_.size(); ++i) {
        const TKeyTally& o = other.tallies_[i];
        if (o.Keystrokes == 0 && o.Confusions.empty())
            continue;
        tallies_[i].Add(o);
    }
}

void TKeyTally::Add(const TKeyTally& other)
{
    Keystrokes += other.Keystrokes;
    Errors += other.Errors;
    TimedStrokes += other.TimedStrokes;
    TimedMs += other.TimedMs;
    for (const TConfusion& c : other.Confusions)
        Confuse(c.Typed, c.Count);
}

bool TKeyRecord::Empty() const
{
    return std::all_of(tallies_.begin(), tallies_.end(),
                       [](const TKeyTally& t) { return t.Keystrokes == 0; });
}

std::int32_t TKeyRecord::Keystrokes() const
{
    std::int32_t n = 0;
    for (const TKeyTally& t : tallies_)
        n += t.Keystrokes;
    return n;
}

std::int32_t TKeyRecord::Errors() const
{
    std::int32_t n = 0;
    for (const TKeyTally& t : tallies_)
        n += t.Errors;
    return n;
}

void TKeyRecorder::Key(unsigned char due, unsigned char typed, bool right, std::uint32_t tick)
{
    const std::uint32_t since = tick - lastTick_; // the tick count wraps; the difference does not care
    const bool timed = timing_ && since <= kLongestPauseMs;
    timing_ = true;
    lastTick_ = tick;
    if (right)
        Record.Correct(due, timed ? std::int32_t(since) : -1);
    else
        Record.Error(due, typed);
}

void TKeyRecorder::Single(unsigned char ch, bool right)
{
    if (right)
        Record.Correct(ch, -1);
    else
        Record.Error(ch, ch);
}

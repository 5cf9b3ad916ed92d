#pragma once
#include "form_view.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// An event is one exercise or one game from start to end. It is created from a one-line description,
// takes over the main window's layout, console buttons and keys while it is shown, asks before an
// unfinished exercise is closed, and gives a result code back to whoever ran it.
//
// The description is split at "=" and ";" into Entries: 0 "Event", 1 the kind, 2 a number, 3 the
// source (the vocabulary file name), 4 a game option. A run of delimiters counts as one, and "%"
// before a delimiter keeps the delimiter in the entry.
class TEvent : public TFormView {
  public:
    // Event states.
    static constexpr std::uint8_t kReady = 0;
    static constexpr std::uint8_t kRunning = 1;
    static constexpr std::uint8_t kPaused = 2;
    static constexpr std::uint8_t kFinished = 3;

    // Result codes.
    static constexpr std::int32_t kCancelled = 2;
    static constexpr std::int32_t kNext = 3;
    static constexpr std::int32_t kClosedAfterEnd = 4;

    explicit TEvent(const std::string& Description);
    ~TEvent() override;

    bool Prepare() override;
    void Load() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void Close(bool& Cancel) override;

    // Click handler of the console buttons Next and Cancel while the event is shown.
    virtual void ButtonClick(QObject* Sender);
    // Asked before every close (installed as OnCloseQuery); set Cancel to keep the event open.
    virtual void QueryClose(bool& Cancel);
    // Shows the event and runs it until it closes; returns the result code.
    virtual std::int32_t Run();

    std::vector<std::string> Entries;
    // A copy of the source entry (entry 3), whole, or none when the description has no such entry.
    std::optional<std::string> EventText;
    double StartTime = 0;
    std::uint8_t State = kReady;
    bool CancelAllowed = true;
    bool NextAllowed = true;
};

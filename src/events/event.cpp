#include "event.h"

#include "book_form.h"
#include "short_string.h"
#include "sounds.h"
#include "system.h"
#include "text_functions.h"
#include "translation.h"

namespace {

constexpr std::uint16_t kKeyN = 78;
constexpr std::uint16_t kKeyC = 67;

// Console-button masks: Next 2, Cancel 8.
constexpr std::uint8_t kNextOnly = 2;
constexpr std::uint8_t kCancelOnly = 8;
constexpr std::uint8_t kNextAndCancel = 10;

} // namespace

TEvent::TEvent(const std::string& Description) : Entries(SplitTokens(ShortString(Description), "=;")) {}

TEvent::~TEvent()
{
    CloseBeforeDestruction();
}

bool TEvent::Prepare()
{
    if (Entries.size() > 3)
        EventText = Entries[3];
    // An event always opens (the base view never refuses either).
    return false;
}

void TEvent::Load()
{
    TFormView::Load();
    State = kReady;
    OnCloseQuery = [this](bool& cancel) { QueryClose(cancel); };
    StartTime = Now();
    BookForm->SetLayout(1);
    if (!CancelAllowed)
        BookForm->SetConsoleButtons(kNextOnly);
    else if (!NextAllowed)
        BookForm->SetConsoleButtons(kCancelOnly);
    else
        BookForm->SetConsoleButtons(kNextAndCancel);
    // While the event closes, its Unload may process messages (a busy score file): keys and clicks
    // that come meanwhile are dropped, so that they can neither close it again nor start the game.
    const auto click = [this](QObject* sender) {
        if (!Closing)
            ButtonClick(sender);
    };
    BookForm->Next->OnClick = click;
    BookForm->Cancel->OnClick = click;
    BookForm->OnKeyDown = [this](QObject* sender, std::uint16_t& key, TShiftState shift) {
        if (!Closing)
            KeyDown(sender, key, shift);
    };
    BookForm->OnKeyPress = [this](QObject* sender, char& key) {
        if (!Closing)
            KeyPressed(sender, key);
    };
}

void TEvent::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift)
{
    TFormView::KeyDown(Sender, Key, Shift);
    if (Shift == ssAlt) {
        if (Key == kKeyN) {
            Key = 0;
            ButtonClick(BookForm->Next);
        } else if (Key == kKeyC) {
            Key = 0;
            ButtonClick(BookForm->Cancel);
        }
    } else if (Shift == 0) {
        if (Key == VK_ESCAPE) {
            Key = 0;
            ButtonClick(BookForm->Cancel);
        } else if (Key == VK_RETURN && State == kFinished) {
            // Enter before the end is left to the event.
            Key = 0;
            ButtonClick(NextAllowed ? static_cast<QObject*>(BookForm->Next) : BookForm->Cancel);
        }
    }
}

void TEvent::ButtonClick(QObject* Sender)
{
    PlaySoundSlot(kSoundClick);
    const QString name = Sender ? Sender->objectName() : QString();
    if (name == QLatin1String("Cancel") && CancelAllowed)
        SetResult(State == kFinished ? kClosedAfterEnd : kCancelled);
    else if (name == QLatin1String("Next") && NextAllowed)
        SetResult(kNext);
}

void TEvent::QueryClose(bool& Cancel)
{
    if (State != kRunning && State != kPaused)
        return;
    if (!Platform::Dialogs().Question(Tr("TEvent", "You haven't finished this exercise yet, proceed anyway?"),
                                      "Keyvane"))
        Cancel = true;
}

void TEvent::Close(bool& Cancel)
{
    // Only an open event gives the main window back; closing a closed one, or one that is closing
    // already, changes nothing.
    if (!Active || Closing)
        return;
    TFormView::Close(Cancel);
    if (Cancel)
        return;
    BookForm->SetLayout(2);
    BookForm->OnKeyDown = nullptr;
    BookForm->OnKeyPress = nullptr;
    BookForm->SetConsoleButtons(0);
    // The hidden buttons must not call back into an event that may be freed next.
    BookForm->Next->OnClick = nullptr;
    BookForm->Cancel->OnClick = nullptr;
}

std::int32_t TEvent::Run()
{
    return Execute();
}

#pragma once
#include "keys.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QObject;

// A page view: one screen of the program. A view is not a window; it borrows ready-made controls
// from a storage form onto the book's pages while it is shown and gives them back when hidden.
// Opened at the top level it becomes the current view and can run its own message loop (Execute)
// until it closes; opened as a part it lives on one page of its parent view.
class TFormView {
  public:
    TFormView();
    virtual ~TFormView();
    TFormView(const TFormView&) = delete;
    TFormView& operator=(const TFormView&) = delete;

    virtual bool Prepare();
    virtual void Load();
    virtual void KeyPressed(QObject* Sender, char& Key);
    virtual void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift);
    virtual std::int32_t Execute();
    virtual bool OpenAsPart();
    virtual bool Open();
    virtual void Close(bool& Cancel);
    virtual void Unload();

    void SetResult(std::int32_t Code);
    void BorrowControl(QWidget* Control, QWidget* Page);
    void BorrowChildren(QWidget* Container, QWidget* Page);
    void ReturnControls();

    std::function<void(bool& Cancel)> OnCloseQuery;
    std::function<void(TFormView* Sender)> OnClosed;
    std::vector<QPointer<QWidget>> Borrowed;
    std::vector<QPointer<QWidget>> OldParents;
    std::int32_t ResultCode = 0;
    bool Shown = false;
    bool Active = false;
    bool IsPart = false;
    bool Executing = false;
    bool StopLoop = false;
    // Set while a Close runs. Closing may process messages (a score file that stays busy asks the
    // player and waits), and a key or click handled meanwhile must not close the view a second time.
    bool Closing = false;
    TFormView* LeftView = nullptr;
    TFormView* RightView = nullptr;
    std::string ViewName;

  protected:
    // For destructors: a view destroyed while still open is closed first, with the framework's
    // warning and without asking, so that it gives back its controls and no window handler is left
    // pointing at it. Each level's destructor calls it, so that the close runs with the most complete
    // object still alive and reaches the view's own Unload.
    void CloseBeforeDestruction();
};

// The top-level view that is open, or none.
extern TFormView* CurrentView;

// Asks the current view to close; returns true when it refused.
bool CloseCurrentView();

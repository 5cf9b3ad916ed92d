#include "form_view.h"

#include "system.h"
#include "translation.h"

TFormView* CurrentView = nullptr;

TFormView::TFormView() = default;

TFormView::~TFormView()
{
    CloseBeforeDestruction();
    // A view that is destroyed while still the current one must not be left behind as current.
    if (CurrentView == this)
        CurrentView = nullptr;
}

void TFormView::CloseBeforeDestruction()
{
    if (!Active)
        return;
    Platform::Dialogs().Message(Tr("TFormView", "Destroying an active view!"), "Keyvane's Games!",
                                TMsgKind::Warning);
    // A refusal could not stop the destruction, so nobody is asked.
    OnCloseQuery = nullptr;
    bool cancel = false;
    Close(cancel);
}

bool TFormView::Prepare()
{
    return false;
}

void TFormView::Load()
{
    Shown = true;
}

void TFormView::KeyPressed(QObject* Sender, char& Key)
{
    if (IsPart)
        return;
    if (LeftView)
        LeftView->KeyPressed(Sender, Key);
    if (RightView)
        RightView->KeyPressed(Sender, Key);
}

void TFormView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift)
{
    if (IsPart)
        return;
    if (LeftView)
        LeftView->KeyDown(Sender, Key, Shift);
    if (RightView)
        RightView->KeyDown(Sender, Key, Shift);
}

std::int32_t TFormView::Execute()
{
    Executing = true;
    StopLoop = false;
    if (!Open()) {
        do {
            ProcessMessages();
            if (Terminated())
                StopLoop = true;
            SleepMs(1);
        } while (!StopLoop);
    }
    Executing = false;
    return ResultCode;
}

bool TFormView::OpenAsPart()
{
    IsPart = true;
    return Open();
}

bool TFormView::Open()
{
    if (!IsPart) {
        if (Prepare())
            return true;
        CurrentView = this;
    }
    Active = true;
    SetResult(0);
    Load();
    if (LeftView)
        LeftView->OpenAsPart();
    if (RightView)
        RightView->OpenAsPart();
    return false;
}

void TFormView::Close(bool& Cancel)
{
    if (!Active || Closing)
        return;
    Closing = true;
    const auto refused = [this, &Cancel] {
        if (Cancel)
            Closing = false;
        return Cancel;
    };
    if (OnCloseQuery) {
        OnCloseQuery(Cancel);
        if (refused())
            return;
    }
    if (LeftView) {
        LeftView->Close(Cancel);
        if (refused())
            return;
    }
    if (RightView) {
        RightView->Close(Cancel);
        if (refused())
            return;
    }
    Unload();
    if (!IsPart)
        CurrentView = nullptr;
    if (Executing)
        StopLoop = true;
    Active = false;
    Closing = false;
    if (OnClosed)
        OnClosed(this);
}

void TFormView::Unload()
{
    ReturnControls();
    Shown = false;
}

void TFormView::SetResult(std::int32_t Code)
{
    // The result of a view that is closing is the one it closes with.
    if (Closing)
        return;
    ResultCode = Code;
    if (Code != 0) {
        bool cancel = false;
        Close(cancel);
        if (cancel)
            ResultCode = 0;
    }
}

void TFormView::BorrowControl(QWidget* Control, QWidget* Page)
{
    if (!Control || !Page)
        return;
    OldParents.emplace_back(Control->parentWidget());
    // Moving a widget to another parent hides it; the control keeps its own visibility flag.
    const bool visible = !Control->isHidden();
    Control->setParent(Page);
    Control->setVisible(visible);
    Borrowed.emplace_back(Control);
}

void TFormView::BorrowChildren(QWidget* Container, QWidget* Page)
{
    if (!Container || !Page)
        return;
    for (;;) {
        QWidget* first = nullptr;
        for (QObject* child : Container->children())
            if (child->isWidgetType()) {
                first = static_cast<QWidget*>(child);
                break;
            }
        if (!first)
            break;
        BorrowControl(first, Page);
    }
}

void TFormView::ReturnControls()
{
    while (!Borrowed.empty()) {
        QWidget* control = Borrowed.front();
        QWidget* parent = OldParents.front();
        if (control && parent) {
            const bool visible = !control->isHidden();
            control->setParent(parent);
            control->setVisible(visible);
        }
        Borrowed.erase(Borrowed.begin());
        OldParents.erase(OldParents.begin());
    }
}

bool CloseCurrentView()
{
    bool cancel = false;
    if (CurrentView)
        CurrentView->Close(cancel);
    return cancel;
}

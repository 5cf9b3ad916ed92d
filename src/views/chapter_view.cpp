#include "chapter_view.h"

#include "book_form.h"

TChapterView* ChapterView = EnsureChapterView();

TChapterView* EnsureChapterView()
{
    static TChapterView* instance = new TChapterView();
    return instance;
}

TChapterView::~TChapterView()
{
    CloseBeforeDestruction();
}

void TChapterView::Load()
{
    TFormView::Load();
    // A spread is always opened with its right part; without one there is nothing to finish it.
    if (RightView)
        RightView->OnClosed = [this](TFormView* sender) { RightViewClosed(sender); };
    if (BookForm) {
        BookForm->OnKeyPress = [this](QObject* sender, char& key) { KeyPressed(sender, key); };
        BookForm->OnKeyDown = [this](QObject* sender, std::uint16_t& key, TShiftState shift) {
            KeyDown(sender, key, shift);
        };
    }
}

void TChapterView::Unload()
{
    if (BookForm) {
        BookForm->OnKeyDown = nullptr;
        BookForm->OnKeyPress = nullptr;
    }
    TFormView::Unload();
}

void TChapterView::RightViewClosed(TFormView*)
{
    if (RightView) {
        // Clearing the hook destroys the function object that is running: take the code first.
        const std::int32_t code = RightView->ResultCode;
        auto hook = std::move(RightView->OnClosed);
        RightView->OnClosed = nullptr;
        SetResult(code);
    }
}

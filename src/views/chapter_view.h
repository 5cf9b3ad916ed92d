#pragma once
#include "form_view.h"

// The frame of a two-page spread: a top-level view with no controls of its own that hosts a left and
// a right part view, routes the window's keys to them, and finishes when its right part finishes,
// taking over the right part's result code.
class TChapterView : public TFormView {
  public:
    ~TChapterView() override;
    void Load() override;
    void Unload() override;
    void RightViewClosed(TFormView* Sender);
};

// The one spread of the program, created on first use and kept for the whole run.
extern TChapterView* ChapterView;
TChapterView* EnsureChapterView();

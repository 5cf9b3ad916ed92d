#pragma once
#include "controls.h"

#include <array>

// Storage form of WordTris: the box of ten row images with its frame and the blocks beside it, all
// children of the Tris panel and borrowed onto the wide page together, and the two beam pictures
// the rows are drawn with.
class TTrisStgFrm : public QWidget {
  public:
    static constexpr int kRows = 10;

    TTrisStgFrm();
    ~TTrisStgFrm() override;

    TPanel* Tris;
    // The row images row2 (top) to row11 (bottom).
    std::array<TImage*, kRows> Rows;
    // Background of the falling beam, and of a missed one.
    TImage* Active;
    TImage* Inactive;
    // The frame: left wall, right wall and floor.
    TImage* Image7;
    TImage* Image13;
    TImage* Image3;
    TImage* LeftBlock1;
    TImage* LeftBlock2;
    TImage* LeftBlock3;
    TImage* RightBlock1;
    TImage* RightBlock2;
    TImage* RightBlock3;
};

extern TTrisStgFrm* TrisStgFrm;

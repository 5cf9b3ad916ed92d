#pragma once
#include "controls.h"

// Storage form of the games' pictures: the lamps of the missed-count display for Bubbles and for
// Clouds, and the four cloud pictures. Nothing is borrowed from it; the games draw its pictures.
class TBubbleStg : public QWidget {
  public:
    TBubbleStg();
    ~TBubbleStg() override;

    // Lamps of the missed-count display, 21 x 20 each.
    TImage* BubbleOn;
    TImage* BubbleOff;
    TImage* CloudOn;
    TImage* CloudOff;
    // Clouds, 92 x 41 each.
    TImage* WhiteCloud;
    TImage* GrayCloud;
    TImage* DarkCloud;
    TImage* BonusCloud;
};

extern TBubbleStg* BubbleStg;

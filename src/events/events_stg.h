#pragma once
#include "controls.h"

// Storage form of the events: the event console (clock, score and side screens), the message panel
// and the instruction card. Events borrow these controls onto the wide page while they are shown.
class TEventsStg : public QWidget {
  public:
    TEventsStg();
    ~TEventsStg() override;

    // Message panel.
    TPanel* EventMsg;
    TLabel* MsgLabel1;
    TLabel* MsgLabel2;

    // Event console: its children are borrowed all at once, RightConsole first on its own.
    TPanel* EventConsole;
    TImage* RightConsole;
    TShape* Screen2;
    TImage* LeftConsole;
    TLabel* TimeLabel;
    TPieGauge* TimeGraph;
    TShape* Screen1;
    TLabel* TimeLbl;
    TLabel* PointsTitle;
    TLabel* RhythmTitle;
    TLabel* MissedTitle;
    TShape* Screen3;
    TImage* PointScreen;
    TLabel* PointsLabel;
    TImage* MissLcd;
    TImage* WordLcd;

    // Instruction card.
    TPanel* InstructionCard;
    TLabel* InstrLbl1;
    TLabel* InstrLbl2;
    TLabel* InstrLbl3;
    TLabel* InstrLbl4;
    TLabel* InstrLbl5;

  private:
    void FormCreate();
};

extern TEventsStg* EventsStg;

#pragma once
#include "controls.h"

// Storage form of the top-ten view: the panel with the "T O P   T E N" table, ten rows of rank, name,
// score and date on light-green bars, the "Congratulations" label and the name box. The view borrows
// the panel's children onto the left page of the book.
class TEventViewStg : public QWidget {
  public:
    TEventViewStg();
    ~TEventViewStg() override;

    TPanel* TopTenPanel;
    TLabel* TopTenTitle;
    TLabel* Congratulations;
    TEdit* NameBox;
    TLabel* ScoreFolderLabel; // hidden unless the table comes from a shared folder

  private:
    void FormCreate();
};

extern TEventViewStg* EventViewStg;

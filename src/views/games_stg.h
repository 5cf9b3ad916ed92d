#pragma once
#include "controls.h"

// Storage form of the games menu: the games tab-row picture, the left page (games picture and
// version) and the right page (the three games' boxes and the information box).
class TGamesStg : public QWidget {
  public:
    TGamesStg();
    ~TGamesStg() override;

    TImage* GamesTabPic;
    TPanel* Panel1;
    TPanel* Panel2;
    TComboBox* BubblesKeys;
    TComboBox* TrisFileList;
    TComboBox* CloudsFileList;
    TButton* BubblesBtn;
    TButton* WordTrisBtn;
    TButton* CloudsBtn;
    TButton* InfoBtn;
    // The notice at the bottom of the right page.
    TLabel* Label4;

  private:
    void FormCreate();
};

extern TGamesStg* GamesStg;

// The caption of the fourth key set, the player's difficult keys.
inline constexpr const char* kDifficultKeysItem = "my difficult keys";

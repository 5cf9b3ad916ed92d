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

#include <string>

// The captions of the first three key sets, which the history names them by too.
inline constexpr const char* kBubblesKeySetCaptions[3] = {"a-z", "a-z, A-Z", "a-z, A-Z, 0-9"};
// The caption of the fourth key set, the player's difficult keys.
inline constexpr const char* kDifficultKeysItem = QT_TRANSLATE_NOOP("TGamesStg", "my difficult keys");
// The fourth key set's caption with its keys: "my difficult keys: o a s p d f", each character once
// however often the set repeats it. The history names the set so; the list shows it in the player's
// language (translated).
std::string DifficultKeysCaption(const std::string& keySet, bool translated = false);
// The last item of the vocabulary lists: words chosen for the player's weak keys.
inline constexpr const char* kDifficultWordsItem = QT_TRANSLATE_NOOP("TGamesStg", "my difficult words");

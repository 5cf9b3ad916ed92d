#pragma once
#include "form_view.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The right page of the games menu: a key set for Bubbles, a vocabulary each for WordTris and Clouds,
// the three Start buttons and the Info button. It finishes with 1, 2 or 3 for the chosen game.
class TGamesView : public TFormView {
  public:
    ~TGamesView() override;
    void Load() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;

    void TrisFileListChange(QObject* Sender);
    void CloudsFileListChange(QObject* Sender);
    void BubblesKeysChange(QObject* Sender);
    void StartButtonClick(QObject* Sender);

    std::string GetBubblesKeys() const { return BubblesKeySet; }
    std::string GetTrisVocabulary() const { return TrisVocabulary; }
    std::string GetCloudsVocabulary() const { return CloudsVocabulary; }

    std::string TrisVocabulary;
    std::string CloudsVocabulary;
    std::string BubblesKeySet;

    // The player's progress, installed by the games loop. PracticeKeySet gives the characters of the
    // fourth key set; NoticeText the notice (empty keeps the tip); OnShowProgress opens the progress
    // view, on a click on the notice or Alt+Y. Unset, the fourth item keeps the key set chosen before.
    std::function<std::string()> PracticeKeySet;
    // Set by the games loop when the player's progress can give practice words: the vocabulary lists
    // then end with "my difficult words", and choosing it sets TrisPractice or CloudsPractice.
    std::function<std::vector<std::string>()> PracticeWords;
    bool TrisPractice = false;
    bool CloudsPractice = false;
    std::function<std::string()> NoticeText;
    std::function<void()> OnShowProgress;
};

// The event description a game of the menu is started with (Code 1 Bubbles, 2 WordTris, 3 Clouds), as
// it stands before it is cut to a short string; empty for any other code. Vocabulary is the listed
// title: the description names its file, with "=" and ";" escaped so that the entry ends where it
// should and the game opens the file the menu listed.
std::string GameDescriptionOf(std::int32_t Code, const std::string& Vocabulary);

// The characters of each key set, by the item of the key-set list.
extern const char* const kBubblesKeySets[3];

// The help page for language: "Vanedoc-de.htm" and the like where the program's folder holds one,
// "Vanedoc.htm" otherwise.
std::string HelpPageOf(const std::string& language);
// Opens the help page of language with the desktop's shell. A page that is missing, or that no
// program can show, is reported in a box that says where it is and what to do.
void OpenHelpPage(const std::string& language);

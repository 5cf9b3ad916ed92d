#pragma once
#include "timed_event.h"

#include <QImage>
#include <QPointer>
#include <memory>

class TMissedLcd;
class TPaintBox;

// The instructions on the game's card as one text, the play field's description for screen readers.
QString InstructionsText();

// The frame of an arcade typing game: a play field drawn through an off-screen bitmap, a score, the
// "Press any key" prompt and the instruction card, a word list read from a vocabulary file, the game
// loop that calls GameStep at a fixed interval while the window stays responsive, and "Game over.".
//
// A game overrides Load (this one first, then its own controls and instruction texts), KeyPressed
// (in State 0 a key calls Start; in State 1 keys are game input), GameStep (advance, redraw, and Stop
// when the game's end rule is met) and Unload (hand the score to the top-ten view).
class TCustomGameEvent : public TTimedEvent {
  public:
    explicit TCustomGameEvent(const std::string& Description);
    ~TCustomGameEvent() override;

    void Load() override;
    void Unload() override;
    void QueryClose(bool& Cancel) override;
    void Stop() override;
    // Starts the clock, then runs the game loop until the game leaves State 1.
    void Start() override;

    // One step of the game, called by the game loop; the base keeps the clock current.
    virtual void GameStep();

    void SetScore(std::int32_t N);
    void SetStepInterval(std::uint32_t Ms);
    // The next word of the vocabulary, lower-cased when Lower is set; "--" when there is none. Each
    // pass through the list comes in a new shuffled order.
    void NextWord(bool Lower, std::string& Word);
    void LoadVocabulary();
    // Shows the off-screen bitmap on the play field.
    void ShowField();
    // The play field's size in the field's coordinates, which the game rules use. FieldBitmap may
    // hold more pixels than that on a high-density screen.
    QSize FieldSize() const;
    // The console's count of missed items, for a game that ends after Slots of them: the frame and
    // its title shown, and in it, Offset from the frame's corner, a row of Slots lamps (Off and On
    // pictures, none lit yet) on the wide page. The game owns the lamps and ends them with
    // HideMissedLamps.
    TMissedLcd* ShowMissedLamps(const QImage* Off, const QImage* On, std::int32_t Slots, QPoint Offset);
    void HideMissedLamps(TMissedLcd* Lamps);

    std::int32_t Score = 0;
    // Milliseconds between two game steps.
    std::uint32_t StepInterval = 0;
    // The game's drawing area on the wide page, and its off-screen image; both exist only while the
    // game is shown.
    QPointer<TPaintBox> PlayField;
    // The play field of a game that has been left, freed with the game.
    QPointer<TPaintBox> RetiredField;
    QImage FieldBitmap;
    std::string VocabularyFile;
    // Words given by whoever made the game, played instead of a vocabulary file's when WordsGiven is
    // set (the player's practice words).
    std::vector<std::string> GivenWords;
    bool WordsGiven = false;
    std::unique_ptr<std::vector<std::string>> Vocabulary;
    std::int32_t WordIndex = 0;
    std::string CurrentWord;
    std::int32_t SavedPageTop = 0;
    std::int32_t SavedPageHeight = 0;
    // Tick count at the start of the last game step.
    std::uint32_t LastStep = 0;
};

#pragma once
#include "custom_game_event.h"
#include "key_record.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TImage;
class TWordViewCanvas;

// WordTris: a beam carrying a word drops one row per step through a box of ten rows; the player
// catches it by typing the word and then Space. A beam that reaches the pile at the bottom stays
// there as a grey beam, so later beams have less room to fall, and the sixth missed beam ends the
// game. The higher a beam is caught, the faster the next ones fall and the more each is worth.
// Under the box a word display shows the current word with a typing cursor.
class TWTrisEvent : public TCustomGameEvent {
  public:
    static constexpr int kRows = 10;
    static constexpr int kMissesToEnd = 6;
    static constexpr int kPointsPerLevel = 10;
    // The beam's text once every letter of its word has been typed (PressSpace shows it in the
    // player's language).
    static constexpr const char* kPressSpace = QT_TRANSLATE_NOOP("TWTrisEvent", "Press Space! ");
    // The shortest step: at high speed levels the rule for the interval gives less, or even a
    // negative value, and steps must keep coming.
    static constexpr std::uint32_t kMinRowInterval = 30;

    explicit TWTrisEvent(const std::string& Description);
    ~TWTrisEvent() override;

    void Load() override;
    void KeyPressed(QObject* Sender, char& Key) override;
    void GameStep() override;
    void Unload() override;

    // Takes the next word and starts it as a beam in the top row.
    void NewBeam();
    // Redraws all ten rows: Text as the falling beam in ActiveRow (none when 0), the missed beams
    // piled up from the bottom, white rows elsewhere.
    void DrawRows(const std::string& Text, std::int32_t ActiveRow);
    // Draws the falling beam's text again: the typed part in red, the rest in white.
    void DrawActiveRow();
    // Sets the speed level for the next beam from where the last one ended.
    void UpdateSpeed();
    // Milliseconds per row for the current word at the current speed level.
    std::uint32_t RowInterval() const;

    // The prompt beam's text in the player's language. It ends in the Space it asks for: that is the
    // key the beam waits for.
    const std::string PressSpace;
    // The font of the beams' text and where it starts in a row.
    static QFont BeamFont();
    static constexpr int kBeamTextX = 18;
    // Text shown in each row, RowTexts[1] (top) to RowTexts[10] (bottom); [0] is unused.
    std::array<std::string, kRows + 1> RowTexts;
    // The row images, top to bottom.
    std::vector<TImage*> RowImages;
    // Texts of the missed beams, oldest first.
    std::vector<std::string> MissedWords;
    // Row of the falling beam, 1 to 10; 0 when there is none.
    std::int32_t BeamRow = 0;
    // 1-based position in the beam text of the next character to type.
    std::int32_t TypedIndex = 1;
    // Where the previous beam ended: the row it was caught in, 11 when it was missed, 0 before the first.
    std::int32_t LastRow = 0;
    // 1.0 to 10.0: the falling speed and the points per beam.
    float SpeedLevel = 1.0f;
    QColor EmptyRowColour = QColor(255, 255, 255);
    // The word display under the box.
    QPointer<TWordViewCanvas> WordView;
    // The player's key record of this game: each key against the character of the beam that was due.
    TKeyRecorder KeyRecorder;

  private:
    // Keeps keys that go on typing a beam that has just landed out of the key record: they belong to
    // no word on the field.
    bool ContinuesLandedBeam(char Key, char Expected);
    // What was still to type of the beam that landed last, while the player may be typing on.
    std::string landedRest_;
    // The console picture's top before the game moved it down under the box.
    int savedConsoleTop_ = 0;
};

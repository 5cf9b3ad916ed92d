#pragma once
#include "bubble.h"
#include "custom_game_event.h"
#include "key_record.h"

#include <QPointer>
#include <array>
#include <string>
#include <vector>

class TMissedLcd;

// The Bubbles game. Bubbles carrying single characters rise in ten columns; a key press pops every
// bubble carrying that character, and six bubbles escaping at the top end the game. A level that
// rises with every popped or escaped bubble sets the rising speed, the time between new bubbles and
// the points per bubble: the lower on the field bubbles are popped, the faster it rises.
//
// Times are in clock units, the day fractions times 100000 that the clock counts in.
class TBubbles : public TCustomGameEvent {
  public:
    static constexpr int kColumns = 10;
    static constexpr std::int32_t kMissesToEnd = 6;
    static constexpr std::int32_t kScoreCeiling = 31000;
    // The hit height an escaped bubble adds to the hit window.
    static constexpr std::int32_t kMissedHeight = -30;
    static constexpr const char* kDefaultKeySet = "qwertyuiopasdfghjklzxcvbnm";

    // The last four hit heights and their running sum.
    struct THitWindow {
        std::array<std::int32_t, 4> Heights{};
        // Where the last height went, 1..4; 0 while empty.
        std::int32_t Index = 0;
        std::int32_t Count = 0;
        std::int32_t Sum = 0;
    };

    explicit TBubbles(const std::string& Description);
    ~TBubbles() override;

    void Load() override;
    void KeyPressed(QObject* Sender, char& Key) override;
    void Unload() override;
    void GameStep() override;

    // Rising speed of a green bubble at the current level, in pixels per step.
    std::int32_t BaseSpeed() const;
    // Adds the height at which a bubble was popped (or kMissedHeight for an escaped one) to the hit
    // window and raises the level by the window's average.
    void UpdateLevel(std::int32_t Height);
    // Picks the character of a new bubble in Column, preferring one that no column shows, and
    // records it for the column.
    unsigned char ChooseChar(int Column);
    // Paints the sky with its bubbles and shows it.
    void Redraw();

    // The characters the bubbles may carry, in order. The games loop stores the player's choice here;
    // when it is left empty the game uses kDefaultKeySet.
    std::string KeySet;
    // One bubble per column, reused for every bubble of that column.
    std::vector<Tbubble> Columns;
    // Per column, the character of its active bubble; 0 when the column is free.
    std::array<unsigned char, kColumns> ColumnChars{};
    // Decorative bubbles rising now.
    std::vector<Tbubble> Decor;
    float Level = 1.0f;
    THitWindow HitWindow;
    std::int32_t HitAverage = 0;
    float SpawnInterval = 2.0f;
    double LastSpawn = 0;
    float DecorInterval = 0.8f;
    double LastDecor = 0;
    std::int32_t ScoreDivisor = 1;
    std::int32_t MissedCount = 0;
    // The last key press matched no bubble.
    bool AfterWrongKey = false;
    // The player's key record of this game: a key that pops a bubble is a right keystroke of its
    // character, one that pops none a wrong keystroke of the character pressed.
    TKeyRecorder KeyRecorder;
    QPointer<TMissedLcd> MissedLcdCtl;

  private:
    // Pops every active bubble carrying Key, left to right; false when there was none.
    bool PopBubbles(unsigned char Key);
    void WrongKey();
    void LaunchColumnBubble(int Column);
    void LaunchDecor();
};

#pragma once
#include "cloud.h"
#include "custom_game_event.h"
#include "key_record.h"

#include <QPointer>
#include <array>
#include <cstdint>
#include <vector>

class TMissedLcd;

// Clouds, the third typing game. Clouds drift from right to left over the sky; every few clouds one
// is stormy and turns grey, then dark, and shows a word; now and then a sunny bonus cloud shows a
// word. The player moves a yellow-framed selection between the clouds with Enter or Space (next) and
// Backspace (previous), types the selected cloud's word and catches it with Space or Enter. Six
// missed stormy clouds end the game; each miss slows the sky for a while. A level, raised as clouds
// are caught, sets the drift speed, the spacing of the clouds and how early stormy ones darken.
class TCloudGame : public TCustomGameEvent {
  public:
    // Stormy clouds that may be missed before the game is over.
    static constexpr std::int32_t kMissesToEnd = 6;
    static constexpr std::uint32_t kStepMs = 50;
    // How long a miss slows the sky, in clock units.
    static constexpr double kSlowDownUnits = 6.0;
    // A stormy cloud darkens this many pixels after it turned grey.
    static constexpr std::int32_t kGreyToDark = 80;
    static constexpr std::int32_t kMinSpawnDistance = 40;

    explicit TCloudGame(const std::string& Description);
    ~TCloudGame() override;

    void Load() override;
    void Unload() override;
    void KeyPressed(QObject* Sender, char& Key) override;
    void GameStep() override;

    void InitGame();
    // Sets Level (at least 1.0) and everything it governs; a slow-down takes 1 off the speed.
    void SetLevel(float NewLevel);
    // Drifts every cloud, takes away those that left the field, and brings a new one when due.
    void MoveClouds();
    void SpawnCloud();
    // How many clouds come before the next stormy one.
    std::int32_t NextStormGap();
    // A top edge for a new cloud that does not overlap the two newest clouds, when one can be found.
    std::int32_t PickY(const TCloud& Cloud);
    // Where a cloud starts to darken: early, midway or late in the darkening stretch, by the zone
    // weights, never the same zone more often in a row than allowed, and never late for long words.
    std::int32_t PickDarkPoint(const TCloud& Cloud);
    void PaintClouds();
    // Speaks the selected cloud's word, and whether it is stormy or sunny, when the selection changed.
    void SpeakSelection();
    std::string SpokenSelection;
    // Raises the level by how late a stormy cloud was caught or missed, or for a sunny cloud.
    void AddSample(const TCloud& Cloud);

    // The start and length of darkening zone 1..3 in the current stretch.
    std::int32_t ZoneStart(int Zone) const;
    std::int32_t ZoneLength(int Zone) const;

    std::vector<TCloud> Clouds;
    // Index of the selected cloud in Clouds; may point past the end until the next cloud comes.
    std::int32_t Selected = 0;
    float Level = 1.0f;
    // Pixels per step.
    float Speed = 2.0f;
    // Drift between two new clouds, and the drift since the last one.
    std::int32_t SpawnDistance = 400;
    float Travel = 0;
    std::uint8_t GapPattern = 0;
    std::int32_t StormCountdown = 0;
    std::int32_t SunCountdown = 0;
    std::int32_t SunGap = 0;
    // The stretch in which clouds darken.
    std::int32_t ZoneRight = 0;
    std::int32_t ZoneLeft = 0;
    std::array<std::int32_t, 3> ZoneWeights{};
    std::array<std::int32_t, 3> ZoneMaxRepeat{};
    // The zone last chosen (0 none) and how often in a row.
    std::int32_t LastZone = 0;
    std::int32_t ZoneRepeat = 0;

    // The lateness of the last two stormy clouds caught or missed.
    struct TSampleRing {
        std::array<float, 2> Values{};
        int Index = 0; // 1 or 2 once a sample was stored
        int Count = 0;
        float Sum = 0;
        void Add(float Value);
    };
    TSampleRing SampleRing;
    float SampleAverage = 0;

    bool SlowDown = false;
    double SlowDownStart = 0;
    std::int32_t MissedCount = 0;
    // Set by the option "True" in entry 4 of the description, as the games menu always gives it.
    // Without the option the game plays the same mixed sky: no other sky exists in this program.
    bool MixedClouds = false;
    QPointer<TMissedLcd> MissedLcdCtl;
    // The player's key record of this game: each key against the next character of the selected
    // cloud's word.
    TKeyRecorder KeyRecorder;

  private:
    // Whether a key at the selected cloud is a keystroke of its word: the word is shown, and a wrong
    // first key is not plainly meant for another cloud whose word it starts.
    bool KeyOfSelectedWord(const TCloud& Cloud, char Key, bool Right) const;
    std::uint32_t cloudSerial_ = 0;
    std::uint32_t keyedCloud_ = 0;
    // Catches or moves the selection for Backspace, Enter and Space; types any other character.
    void SelectedCloudKey(char Key);
    void NextSelection(bool Caught);
    bool ZoneRefused(int Zone, std::size_t WordLength) const;
    TCloud NewCloud(std::uint8_t Kind);

    // The cloud pictures of the pictures' storage form.
    const QImage* WhiteCloud = nullptr;
    const QImage* GrayCloud = nullptr;
    const QImage* DarkCloud = nullptr;
    const QImage* BonusCloud = nullptr;
};

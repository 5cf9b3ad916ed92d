#include "bubble_stg.h"
#include "cloud_game.h"
#include "difficult_keys.h"
#include "game_harness.h"
#include "missed_lcd.h"
#include "sounds.h"

#include <deque>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using Zones = std::array<std::int32_t, 3>;

// Random numbers laid out by the test (0 once they run out); every request is recorded with its range.
class ScriptedRandom : public IRandom {
  public:
    int Random(int n) override
    {
        ranges.push_back(n);
        if (values.empty())
            return 0;
        const int v = values.front();
        values.pop_front();
        return v;
    }
    double Random() override { return 0; }
    void Randomize() override {}
    std::deque<int> values;
    std::vector<int> ranges;
};

// A shown Clouds game on the standard 718 x 363 field, with no cloud yet.
class CloudsTest : public testing::Test {
  protected:
    CloudsTest()
    {
        RegisterSound(kSoundError, "Error.wav");
        game = std::make_unique<TCloudGame>("Event=Clouds;0;sky.vcb;True");
        EXPECT_FALSE(game->Open());
        auto r = std::make_unique<ScriptedRandom>();
        random = r.get();
        Platform::Install(std::move(r));
    }
    // A cloud that turns grey at 500 and dark at 420.
    TCloud& Add(std::uint8_t kind, const std::string& word = "", std::int32_t x = 300, std::int32_t y = 100)
    {
        TCloud& c = game->Clouds.emplace_back();
        std::tie(c.Kind, c.Word, c.X, c.Y, c.GreyFrom, c.DarkFrom) = std::tuple(kind, word, x, y, 500, 420);
        c.Pictures = {&BubbleStg->WhiteCloud->Picture(), &BubbleStg->GrayCloud->Picture(),
                      &BubbleStg->DarkCloud->Picture()};
        return c;
    }
    void Press(char ch)
    {
        game->State = TEvent::kRunning;
        game->KeyPressed(nullptr, ch);
    }
    long Errors() const
    {
        const auto s = world.SoundsPlayed();
        return std::count(s.begin(), s.end(), "Error.wav");
    }

    GameWorld world;
    std::unique_ptr<TCloudGame> game;
    ScriptedRandom* random = nullptr;
};

TEST_F(CloudsTest, LevelSetsSpeedSpacingAndZoneMix)
{
    const struct {
        float level, speed;
        std::int32_t spawn, sunGap, gapPattern;
        Zones weights, repeats;
    } rows[] = {
        {0.5f, 2, 90, 6, 1, {3, 1, 0}, {3, 1, 0}},   {1.99f, 2, 90, 6, 1, {3, 1, 0}, {3, 1, 0}},
        {2, 2, 85, 5, 1, {2, 2, 0}, {2, 2, 0}},      {3, 3, 85, 5, 1, {2, 3, 1}, {2, 2, 1}},
        {4, 3, 80, 5, 1, {2, 3, 2}, {2, 2, 2}},      {5, 4, 75, 5, 1, {2, 3, 2}, {2, 2, 2}},
        {6.5f, 4, 75, 5, 2, {2, 3, 2}, {2, 2, 2}},   {7, 4, 60, 4, 2, {1, 3, 2}, {1, 2, 2}},
        {8, 5, 60, 4, 2, {1, 3, 2}, {1, 2, 2}},      {9, 5, 55, 4, 2, {1, 2, 2}, {1, 2, 1}},
        {10, 5, 50, 4, 3, {1, 2, 2}, {1, 2, 1}},     {11.5f, 5, 45, 4, 3, {1, 2, 2}, {1, 2, 1}},
        {12.25f, 5, 42, 4, 3, {1, 2, 2}, {1, 2, 1}}, {20, 5, 40, 4, 3, {1, 2, 2}, {1, 2, 1}},
    };
    for (const auto& r : rows) {
        game->SetLevel(r.level);
        EXPECT_EQ(game->Level, std::max(r.level, 1.0f));
        EXPECT_EQ(std::tuple(game->Speed, game->SpawnDistance, game->SunGap, int(game->GapPattern)),
                  std::tuple(r.speed, r.spawn, r.sunGap, r.gapPattern))
            << r.level;
        EXPECT_EQ(game->ZoneWeights, r.weights) << r.level;
        EXPECT_EQ(game->ZoneMaxRepeat, r.repeats) << r.level;
    }
    game->SlowDown = true;
    for (auto [level, speed] : {std::pair{1.0f, 1.0f}, std::pair{8.0f, 4.0f}}) {
        game->SetLevel(level);
        EXPECT_EQ(game->Speed, speed) << "slowed at level " << level;
    }
}

TEST_F(CloudsTest, StormGapTablesSwitchAtTheirBoundaries)
{
    const struct {
        std::uint8_t pattern;
        int r, gap;
    } rows[] = {{1, 0, 3},  {1, 39, 3}, {1, 40, 4}, {1, 69, 4}, {1, 70, 2}, {1, 99, 2}, {2, 9, 1}, {2, 10, 2},
                {2, 39, 2}, {2, 40, 3}, {3, 29, 1}, {3, 30, 2}, {3, 79, 2}, {3, 80, 3}, {3, 99, 3}};
    for (const auto& row : rows) {
        game->GapPattern = row.pattern;
        random->values = {row.r};
        EXPECT_EQ(game->NextStormGap(), row.gap) << int(row.pattern) << " " << row.r;
    }
    EXPECT_EQ(random->ranges, std::vector<int>(std::size(rows), 100));
}

TEST_F(CloudsTest, DarkeningZonesAreRefusedForLongWordsAndTooManyRepeats)
{
    EXPECT_EQ((Zones{game->ZoneStart(1), game->ZoneStart(2), game->ZoneStart(3)}), (Zones{496, 372, 250}));
    EXPECT_EQ((Zones{game->ZoneLength(1), game->ZoneLength(2), game->ZoneLength(3)}), (Zones{122, 124, 122}));
    game->SetLevel(4); // weights (2, 3, 2), at most two in a row each
    const struct {
        std::size_t wordLength;
        int lastZone, repeat;
        std::deque<int> draws; // the weight draws; 7 into the zone follows
        int zone, repeatAfter;
    } rows[] = {
        {8, 0, 0, {6}, 3, 1},        {9, 0, 0, {6, 0}, 1, 1}, {13, 0, 0, {2}, 2, 1},
        {14, 0, 0, {2, 6, 1}, 1, 1}, {5, 1, 2, {0, 2}, 2, 1}, {5, 1, 1, {0}, 1, 2},
    };
    TCloud cloud;
    for (const auto& row : rows) {
        std::tie(game->LastZone, game->ZoneRepeat, random->values) =
            std::tuple(row.lastZone, row.repeat, row.draws);
        random->values.push_back(7);
        cloud.Word = std::string(row.wordLength, 'w');
        EXPECT_EQ(game->PickDarkPoint(cloud), game->ZoneStart(row.zone) + 7) << row.wordLength;
        EXPECT_EQ(std::pair(game->LastZone, game->ZoneRepeat), std::pair(row.zone, row.repeatAfter));
        EXPECT_TRUE(random->values.empty()) << row.wordLength;
    }
    // Level 1 never yields zone 3, so a long word after three early zones has no zone left to draw:
    // it darkens early without a weight draw.
    game->SetLevel(1);
    std::tie(game->LastZone, game->ZoneRepeat, random->values) = std::tuple(1, 3, std::deque<int>{100});
    random->ranges.clear();
    cloud.Word = "thunderstormsss";
    EXPECT_EQ(game->PickDarkPoint(cloud), 596);
    EXPECT_EQ(random->ranges, std::vector<int>{122});
    EXPECT_EQ(game->ZoneRepeat, 4);
}

TEST_F(CloudsTest, NewCloudAvoidsOnlyTheTwoNewestClouds)
{
    for (std::int32_t y : {40, 100, 250})
        Add(TCloud::kWhite, "", 300, y);
    const TCloud& newest = game->Clouds.back();
    const int h = newest.Height();
    // Touching an edge is no clash; overlapping the oldest cloud does not count.
    random->values = {97, 247, 100 - h - 3};
    EXPECT_EQ(game->PickY(newest), 100 - h);
    EXPECT_EQ(random->ranges, std::vector<int>(3, 363 - h - 6));
    random->values = {97 + h};
    EXPECT_EQ(game->PickY(newest), 100 + h);
    random->values = std::deque<int>(99, 97);
    random->values.push_back(98);
    EXPECT_EQ(game->PickY(newest), 101) << "the last of 100 clashing draws is taken";
    EXPECT_TRUE(random->values.empty());
}

TEST_F(CloudsTest, SamplesRaiseTheLevelByLateness)
{
    const struct {
        std::uint8_t kind;
        std::int32_t x; // the cloud is 92 wide and dark from 420
        float averageBefore, level, averageAfter;
    } rows[] = {
        {TCloud::kSunny, 300, 0.0f, 1.7f, 0.0f},     {TCloud::kSunny, -92, 0.5f, 1.12f, 0.5f},
        {TCloud::kStormy, -92, 0.0f, 1.0f, 1.0f},    {TCloud::kStormy, -41, 0.0f, 1.03f, 0.9004f},
        {TCloud::kStormy, 62, 0.0f, 1.06f, 0.6992f}, {TCloud::kStormy, 318, 0.0f, 1.4111f, 0.1992f},
    };
    for (const auto& row : rows) {
        game->SetLevel(1);
        game->SampleRing = {};
        game->SampleAverage = row.averageBefore;
        game->AddSample(Add(row.kind, "hail", row.x));
        EXPECT_NEAR(game->Level, row.level, 1e-4) << row.x;
        EXPECT_NEAR(game->SampleAverage, row.averageAfter, 1e-4) << row.x;
    }
    game->SampleRing = {};
    for (std::int32_t x : {-92, 420, 164})
        game->AddSample(Add(TCloud::kStormy, "hail", x));
    EXPECT_FLOAT_EQ(game->SampleAverage, 0.25f) << "only the last two stormy clouds count";
}

// The bounds are the decimal 0.97 and 0.85; the single-precision 0.97f and 0.85f lie just above them.
TEST_F(CloudsTest, LatenessOfExactly097fOr085fIsAboveTheDecimalBound)
{
    const struct {
        std::int32_t x, darkFrom; // 92 wide
        float level;
    } rows[] = {{-77, 408, 1.0f}, {-83, 208, 1.0f}, {-17, 408, 1.03f}, {1, 528, 1.03f}};
    for (const auto& row : rows) {
        game->SetLevel(1);
        game->SampleRing = {};
        TCloud& cloud = Add(TCloud::kStormy, "hail", row.x);
        cloud.DarkFrom = row.darkFrom;
        game->AddSample(cloud);
        EXPECT_FLOAT_EQ(game->Level, row.level) << row.x << " dark from " << row.darkFrom;
    }
}

// A cloud that leaves changes the speed for the clouds after it in the same pass.
TEST_F(CloudsTest, CloudsAfterOneThatLeftDriftByTheNewSpeed)
{
    const struct {
        std::uint8_t kind;
        float level;
        std::int32_t x; // of the cloud after it, from 300
    } rows[] = {{TCloud::kStormy, 1.0f, 299}, {TCloud::kSunny, 2.9f, 297}, {TCloud::kWhite, 2.9f, 298}};
    for (const auto& row : rows) {
        game->Clouds.clear();
        game->SlowDown = false;
        game->Travel = 0;
        game->SetLevel(row.level);
        Add(row.kind, "hail", -95);
        Add(TCloud::kWhite, "", 300);
        game->MoveClouds();
        ASSERT_EQ(game->Clouds.size(), 1u);
        EXPECT_EQ(game->Clouds[0].X, row.x) << int(row.kind);
    }
}

TEST_F(CloudsTest, CatchingScoresByKindAndWholeLevelAndBackspaceThenMovesBack)
{
    for (auto [kind, points] : {std::pair{TCloud::kSunny, 60}, std::pair{TCloud::kStormy, 20}}) {
        game->SetScore(0);
        game->SetLevel(2.5f);
        Add(kind, "sun").TypedPos = 4;
        game->Selected = 0;
        Press(13);
        EXPECT_EQ(game->Score, points);
        EXPECT_TRUE(game->Clouds.empty());
        EXPECT_GT(game->Level, 2.5f) << "the catch is a sample";
    }
    Add(TCloud::kStormy, "fog");
    Add(TCloud::kStormy, "dew").TypedPos = 4;
    Add(TCloud::kWhite);
    game->Selected = 1;
    Press(8);
    EXPECT_EQ(game->Score, 20 + 10 * 2);
    EXPECT_EQ(game->Clouds.size(), 2u);
    EXPECT_EQ(game->Selected, 0);
}

TEST_F(CloudsTest, TypingAdvancesOnlyTheSelectedCloudWhichKeepsItsPlace)
{
    TDifficultKeys* keys = EnsureDifficultKeys();
    const std::int32_t xErrors = keys->RecentErrors['x'], iErrors = keys->RecentErrors['i'];
    Add(TCloud::kStormy, "rain");
    Add(TCloud::kWhite);
    for (char ch : {'r', 'A', 'x', ' '})
        Press(ch);
    EXPECT_EQ(game->Clouds[0].TypedPos, 3);
    EXPECT_EQ(Errors(), 2) << "a wrong letter, and Space on a partly typed cloud";
    EXPECT_EQ(keys->RecentErrors['x'], xErrors + 1) << "the typed letter is the error";
    EXPECT_EQ(keys->RecentErrors['i'], iErrors);

    Press(13); // Enter on a partly typed cloud moves on
    EXPECT_EQ(game->Selected, 1);
    Press('r');
    EXPECT_EQ(Errors(), 3) << "a white cloud never matches";
    Press(' '); // Space on an untyped cloud moves on too, round to the first
    EXPECT_EQ(game->Selected, 0);
    EXPECT_EQ(game->Clouds[0].TypedPos, 3);
    Press(8);
    EXPECT_EQ(game->Selected, 1) << "Backspace from the first goes to the last";
    EXPECT_EQ(game->Clouds.size(), 2u);
}

TEST_F(CloudsTest, SelectionFollowsItsCloudWhenOthersLeave)
{
    game->Travel = 0;
    for (std::int32_t x : {-90, 300, -91, 400})
        Add(TCloud::kWhite, "", x);
    game->Selected = 1; // the cloud at 300
    game->MoveClouds();
    ASSERT_EQ(game->Clouds.size(), 2u);
    EXPECT_EQ(std::pair(game->Selected, game->Clouds[0].X), std::pair(0, 298));
    game->Clouds[0].X = -90;
    game->MoveClouds();
    EXPECT_EQ(std::pair(game->Selected, game->Clouds[0].X), std::pair(0, 396)) << "the next one takes over";
    game->Clouds[0].X = -90;
    game->MoveClouds();
    ASSERT_TRUE(game->Clouds.empty());
    Press('q');
    EXPECT_EQ(Errors(), 0) << "no cloud selected, no key handled";
    game->StormCountdown = game->SunCountdown = 1; // a white cloud
    game->SpawnCloud();
    EXPECT_EQ(std::pair(game->Selected, game->Clouds[0].X), std::pair(0, 718));
}

TEST_F(CloudsTest, MissedStormyCloudsSlowTheSkyForSixClockUnitsAndTheSixthEndsTheGame)
{
    game->State = TEvent::kRunning;
    for (int miss = 1; miss <= 6; ++miss) {
        Add(TCloud::kStormy, "gale", -95);
        game->MoveClouds();
        EXPECT_EQ(std::pair(game->MissedCount, game->MissedLcdCtl->LitCount), std::pair(miss, miss));
        EXPECT_EQ(game->Speed, 1.0f);
        EXPECT_EQ(game->State, miss < 6 ? TEvent::kRunning : TEvent::kFinished);
    }
    EXPECT_EQ(world.Message1(), "Game over.");
    EXPECT_EQ(game->Level, 1.0f);
    world.platform.clock->Advance(5180); // six clock units are 5184 ms
    game->GameStep();
    EXPECT_EQ(game->Speed, 1.0f);
    world.platform.clock->Advance(5);
    game->GameStep();
    EXPECT_FALSE(game->SlowDown);
    EXPECT_EQ(game->Speed, 2.0f);
}

TEST_F(CloudsTest, SelectedDarkCloudIsFramedAndItsWordShowsTheTypedPartInRed)
{
    TCloud& cloud = Add(TCloud::kStormy, "mmmmmm", 300, 100);
    cloud.TypedPos = 4;
    game->PaintClouds();
    const QImage& field = game->FieldBitmap;
    const int textTop = 100 + 41 + 2;
    int redLeft = 1000, redRight = -1, whiteLeft = 1000;
    for (int y = textTop; y < 100 + cloud.Height(); ++y)
        for (int x = 300; x < 300 + cloud.Width(); ++x) {
            const QColor c = field.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                redLeft = std::min(redLeft, x), redRight = std::max(redRight, x);
            if (c.red() > 230 && c.green() > 230 && c.blue() > 230)
                whiteLeft = std::min(whiteLeft, x);
        }
    EXPECT_LT(redLeft, redRight) << "typed part";
    EXPECT_LT(redRight, whiteLeft) << "the rest follows the typed part";
    EXPECT_EQ(field.pixelColor(297, 120), QColor(255, 255, 0)) << "frame left of the picture";
    cloud.X = 430; // grey: no word yet
    game->PaintClouds();
    EXPECT_EQ(field.pixelColor(430 + 46, textTop + 8), QColor(0, 128, 255)) << "sky";
}

} // namespace

namespace {

// Keys count in the key record against the next character of the selected cloud's word, and only when
// they are keystrokes of that word: its word is shown, and a wrong first key does not start the word
// of another shown cloud.
TEST_F(CloudsTest, TheKeyRecordCountsOnlyKeystrokesOfTheSelectedWord)
{
    const struct {
        std::uint8_t kind;
        std::int32_t x; // dark at 420 and left of it, grey up to 500
        const char* keys;
        char ch;
        std::int32_t keystrokes, errors;
    } rows[] = {
        {TCloud::kStormy, 300, "squ", 'u', 2, 1}, // q typed for u, then u
        {TCloud::kStormy, 300, "SU", 'u', 1, 0},  // capitals are right, as the game takes them
        {TCloud::kStormy, 450, "su", 's', 0, 0},  // grey: its word is not shown yet
        {TCloud::kWhite, 300, "su", 's', 0, 0},   // a white cloud has no word
        {TCloud::kStormy, 300, "r", 's', 0, 0},   // r starts the other cloud's word "rain"
        {TCloud::kStormy, 300, "x", 's', 1, 1},   // x starts no word: an error of s
        {TCloud::kStormy, 300, "sr", 'u', 1, 1},  // once typing, a wrong key is an error
    };
    for (const auto& r : rows) {
        game->Clouds.clear();
        game->KeyRecorder = TKeyRecorder();
        Add(r.kind, r.kind == TCloud::kWhite ? "" : "sun", r.x);
        Add(TCloud::kStormy, "rain", 200);
        game->Selected = 0;
        for (const char* k = r.keys; *k; ++k)
            Press(*k);
        const TKeyTally& t = game->KeyRecorder.Record[static_cast<unsigned char>(r.ch)];
        EXPECT_EQ(t.Keystrokes, r.keystrokes) << r.keys << " at " << r.x;
        EXPECT_EQ(t.Errors, r.errors) << r.keys << " at " << r.x;
        EXPECT_EQ(game->KeyRecorder.Record['r'].Keystrokes, 0) << "the other cloud was not typed at";
    }
}

} // namespace

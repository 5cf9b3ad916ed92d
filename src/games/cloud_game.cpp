#include "cloud_game.h"

#include "book_form.h"
#include "bubble_stg.h"
#include "chapter_view.h"
#include "code_page.h"
#include "difficult_keys.h"
#include "events_stg.h"
#include "game_record.h"
#include "helpers.h"
#include "missed_lcd.h"
#include "short_string.h"
#include "sounds.h"
#include "speech_service.h"
#include "system.h"
#include "top_ten_view.h"
#include "translation.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

const QColor kSky(0, 128, 255);
constexpr double kClockUnitsPerDay = 100000.0;
constexpr int kMaxYDraws = 100;
// A new cloud keeps at least this far from the field's top and bottom edges.
constexpr int kSkyMargin = 3;
constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr char kSpace = ' ';

std::int32_t Nearest(float x)
{
    return static_cast<std::int32_t>(std::nearbyint(x));
}

// One row of the level table: from MinLevel on, each value that is set replaces the one before.
struct TLevelRow {
    float MinLevel;
    float Speed = 0;
    std::int32_t SunGap = 0;
    std::int32_t SpawnDistance = 0;
    std::uint8_t GapPattern = 0;
    // Weights and repeat limits of the zones; 0 entries leave the zone as it was.
    std::array<std::int32_t, 3> Weights{};
    std::array<std::int32_t, 3> MaxRepeat{};
};

const TLevelRow kLevelRows[] = {
    {2, 0, 5, 85, 0, {2, 2, 0}, {2, 2, 0}},
    {3, 3.0f, 0, 0, 0, {2, 3, 1}, {2, 2, 1}},
    {4, 0, 0, 80, 0, {2, 3, 2}, {2, 2, 2}},
    {5, 4.0f, 0, 75, 0, {}, {}},
    {6, 0, 0, 0, 2, {}, {}},
    {7, 0, 4, 60, 0, {1, 3, 2}, {1, 2, 2}},
    {8, 5.0f, 0, 0, 0, {}, {}},
    {9, 0, 0, 55, 0, {1, 2, 2}, {1, 2, 1}},
    {10, 0, 0, 0, 3, {}, {}},
};

bool SameLetter(char a, char b)
{
    return FromCp1252(std::string(1, a)).toUpper() == FromCp1252(std::string(1, b)).toUpper();
}

// How much a caught or passed cloud raises the level, from its lateness a (0 for a sunny cloud) and
// the mean lateness of the last stormy clouds.
float LevelGain(float a, bool stormy, float average)
{
    // The bounds are the decimal fractions themselves: 0.97f and 0.85f lie just above them, so a
    // lateness of exactly 0.97f is above 0.97 and leaves the level alone.
    const double late = a;
    const double mean = average;
    // A cloud taken at the last moment, or missed, leaves the level as it is.
    if (late > 0.97)
        return 0;
    if (late > 0.85)
        return 0.03f;
    if (late > 0.65)
        return 0.06f;
    // Stormy clouds taken early on average, and sunny clouds while they are, raise it most.
    if (stormy && mean < 0.4)
        return LinearMap(0.12f, 0.7f, 0.4f, 0, average);
    if (!stormy && late < 0.4 && mean < 0.4)
        return LinearMap(0.12f, 0.7f, 0.4f, 0, a);
    return 0.12f;
}

} // namespace

void TCloudGame::TSampleRing::Add(float Value)
{
    Index = Index % 2 + 1;
    float& slot = Values[static_cast<std::size_t>(Index - 1)];
    if (Count == 2)
        Sum -= slot;
    else
        ++Count;
    slot = Value;
    Sum += Value;
}

TCloudGame::TCloudGame(const std::string& Description) : TCustomGameEvent(Description)
{
    MixedClouds = Entries.size() > 4 && FromCp1252(Entries[4]).toUpper() == "TRUE";
}

TCloudGame::~TCloudGame()
{
    CloseBeforeDestruction();
    delete MissedLcdCtl.data();
}

void TCloudGame::Load()
{
    TCustomGameEvent::Load();
    InitGame();
    Randomize();
    SetStepInterval(kStepMs);
    SetLevel(1.0f);

    Clouds.clear();
    if (BubbleStg) {
        WhiteCloud = &BubbleStg->WhiteCloud->Picture();
        GrayCloud = &BubbleStg->GrayCloud->Picture();
        DarkCloud = &BubbleStg->DarkCloud->Picture();
        BonusCloud = &BubbleStg->BonusCloud->Picture();
    }
    PaintClouds();

    TEventsStg* stg = EventsStg;
    MissedLcdCtl =
        ShowMissedLamps(BubbleStg ? &BubbleStg->CloudOff->Picture() : nullptr,
                        BubbleStg ? &BubbleStg->CloudOn->Picture() : nullptr, kMissesToEnd, QPoint(6, 5));

    stg->MsgLabel1->SetCaption(Tr("TCustomGameEvent", "Press any key"));
    stg->MsgLabel2->SetCaption(Tr("TCustomGameEvent", "to begin."));
    stg->EventMsg->show();
    stg->EventMsg->raise();

    stg->InstrLbl1->SetCaption(
        Tr("TCloudGame", "To move between clouds press Enter/Space (next) or Backspace (previous)"));
    stg->InstrLbl2->SetCaption(
        Tr("TCloudGame", "To catch a cloud move to it, type the word below it and press Space or Enter"));
    stg->InstrLbl3->SetCaption(
        Tr("TCloudGame", "Try not to miss stormy clouds - after six missed ones the game is over"));
    stg->InstrLbl4->SetCaption(
        Tr("TCloudGame",
           "Sunny clouds will give you a great bonus, so try to catch as many of them as possible"));
    stg->InstructionCard->resize(stg->InstructionCard->width(), 230);
}

void TCloudGame::InitGame()
{
    Randomize();
    SampleRing = {};
    SampleAverage = 0;
    Level = 1.0f;
    // The first cloud comes at the first step.
    SpawnDistance = 400;
    Travel = 400.0f;
    Speed = 2.0f;
    SlowDown = false;
    GapPattern = 0;
    StormCountdown = Random(4);
    SunCountdown = Random(6);
    MissedCount = 0;
    ZoneLeft = FieldSize().width();
    ZoneRight = 0;
    ZoneWeights = {10, 10, 10};
    ZoneMaxRepeat = {1, 1, 1};
    LastZone = 0;
    ZoneRepeat = 0;
    SetLevel(1.0f);
}

void TCloudGame::SetLevel(float NewLevel)
{
    Level = std::max(NewLevel, 1.0f);
    ZoneRight = FieldSize().width() - 100;
    ZoneLeft = 250;
    Speed = 2.0f;
    GapPattern = 1;
    SunGap = 6;
    SpawnDistance = 90;
    ZoneWeights = {3, 1, 0};
    ZoneMaxRepeat = {3, 1, 0};
    for (const TLevelRow& row : kLevelRows) {
        if (Level < row.MinLevel)
            break;
        if (row.Speed > 0)
            Speed = row.Speed;
        if (row.SunGap > 0)
            SunGap = row.SunGap;
        if (row.SpawnDistance > 0)
            SpawnDistance = row.SpawnDistance;
        if (row.GapPattern > 0)
            GapPattern = row.GapPattern;
        for (std::size_t z = 0; z < 3; ++z) {
            if (row.Weights[z] > 0)
                ZoneWeights[z] = row.Weights[z];
            if (row.MaxRepeat[z] > 0)
                ZoneMaxRepeat[z] = row.MaxRepeat[z];
        }
    }
    // From level 10 on the clouds come closer together as the level rises.
    if (Level >= 10.0f)
        SpawnDistance = Nearest(LinearMap(40, 50, 13, 10, Level));
    SpawnDistance = std::max(SpawnDistance, kMinSpawnDistance);
    if (SlowDown)
        Speed -= 1.0f;
}

void TCloudGame::GameStep()
{
    TCustomGameEvent::GameStep();
    if (SlowDown && (Now() - SlowDownStart) * kClockUnitsPerDay >= kSlowDownUnits) {
        SlowDown = false;
        SetLevel(Level);
    }
    MoveClouds();
    PaintClouds();
}

void TCloudGame::MoveClouds()
{
    for (std::size_t i = 0; i < Clouds.size();) {
        TCloud& cloud = Clouds[i];
        // A cloud that left in this pass may have changed the speed (a miss slows the sky, a sample
        // sets the level): the clouds after it drift by the new speed.
        cloud.X -= Nearest(Speed);
        if (cloud.X + cloud.Width() > 0) {
            ++i;
            continue;
        }
        if (cloud.Kind == TCloud::kStormy) {
            ++MissedCount;
            if (MissedLcdCtl)
                MissedLcdCtl->SetLitCount(MissedCount);
            if (MissedCount == kMissesToEnd)
                Stop();
            // Set before the sample so that the new level already takes the slow-down into account.
            SlowDown = true;
            SlowDownStart = Now();
        }
        if (cloud.Kind != TCloud::kWhite)
            AddSample(cloud);
        Clouds.erase(Clouds.begin() + static_cast<std::ptrdiff_t>(i));
        // The selection stays on its cloud; when that cloud left, the one after it takes its place.
        if (static_cast<std::int32_t>(i) < Selected)
            --Selected;
    }
    Travel += Speed;
    if (Travel >= static_cast<float>(SpawnDistance)) {
        Travel = 0;
        SpawnCloud();
    }
}

TCloud TCloudGame::NewCloud(std::uint8_t Kind)
{
    TCloud cloud;
    cloud.Kind = Kind;
    cloud.Serial = ++cloudSerial_;
    cloud.Canvas = &FieldBitmap;
    cloud.X = FieldSize().width();
    switch (Kind) {
    case TCloud::kStormy:
        cloud.Pictures = {WhiteCloud, GrayCloud, DarkCloud};
        break;
    case TCloud::kSunny:
        cloud.Pictures = {WhiteCloud, WhiteCloud, BonusCloud};
        break;
    default:
        cloud.Pictures = {WhiteCloud, WhiteCloud, WhiteCloud};
        break;
    }
    if (Kind != TCloud::kWhite) {
        NextWord(true, cloud.Word);
        cloud.Word = ShortString(cloud.Word, TCloud::kMaxWord);
    }
    return cloud;
}

void TCloudGame::SpawnCloud()
{
    TCloud cloud;
    if (StormCountdown <= 0) {
        cloud = NewCloud(TCloud::kStormy);
        StormCountdown = NextStormGap();
        cloud.GreyFrom = PickDarkPoint(cloud);
        cloud.DarkFrom = cloud.GreyFrom - kGreyToDark;
    } else {
        --StormCountdown;
        if (SunCountdown <= 0) {
            cloud = NewCloud(TCloud::kSunny);
            SunCountdown = Random(3) + SunGap - 1;
            cloud.GreyFrom = cloud.DarkFrom = PickDarkPoint(cloud);
        } else {
            cloud = NewCloud(TCloud::kWhite);
            --SunCountdown;
        }
    }
    if (Clouds.empty())
        Selected = 0;
    cloud.Y = PickY(cloud);
    Clouds.push_back(std::move(cloud));
}

std::int32_t TCloudGame::NextStormGap()
{
    const int r = Random(100);
    switch (GapPattern) {
    case 2:
        return r < 10 ? 1 : r < 40 ? 2 : 3;
    case 3:
        return r < 30 ? 1 : r < 80 ? 2 : 3;
    default:
        return r < 40 ? 3 : r < 70 ? 4 : 2;
    }
}

std::int32_t TCloudGame::PickY(const TCloud& Cloud)
{
    const int h = Cloud.Height();
    const int range = FieldSize().height() - h - 2 * kSkyMargin;
    const std::size_t n = Clouds.size();
    std::int32_t y = 0;
    for (int draw = 0; draw < kMaxYDraws; ++draw) {
        y = Random(range) + kSkyMargin;
        bool clash = false;
        // The newest two clouds are the ones still near the right edge.
        for (std::size_t k = n; k > 0 && k + 2 > n; --k) {
            const TCloud& c = Clouds[k - 1];
            if (y < c.Y + c.Height() && y + h > c.Y)
                clash = true;
        }
        if (!clash)
            break;
    }
    return y;
}

std::int32_t TCloudGame::ZoneStart(int Zone) const
{
    const std::int32_t t = (ZoneRight - ZoneLeft) / 3;
    switch (Zone) {
    case 1:
        return ZoneRight - t;
    case 2:
        return ZoneLeft + t;
    default:
        return ZoneLeft;
    }
}

std::int32_t TCloudGame::ZoneLength(int Zone) const
{
    const std::int32_t t = (ZoneRight - ZoneLeft) / 3;
    return Zone == 2 ? ZoneRight - 2 * t - ZoneLeft : t;
}

bool TCloudGame::ZoneRefused(int Zone, std::size_t WordLength) const
{
    // Long words darken early so that they can still be read and typed in time.
    if ((Zone == 2 && WordLength > 13) || (Zone == 3 && WordLength > 8))
        return true;
    return Zone == LastZone && ZoneRepeat >= ZoneMaxRepeat[static_cast<std::size_t>(Zone - 1)];
}

std::int32_t TCloudGame::PickDarkPoint(const TCloud& Cloud)
{
    const std::size_t length = Cloud.Word.size();
    const std::int32_t w1 = ZoneWeights[0], w2 = ZoneWeights[1];
    const std::int32_t total = w1 + w2 + ZoneWeights[2];
    bool drawable = false;
    for (int z = 1; z <= 3; ++z)
        drawable = drawable || (ZoneWeights[static_cast<std::size_t>(z - 1)] > 0 && !ZoneRefused(z, length));
    int zone = 1;
    if (drawable) {
        do {
            const int r = Random(total);
            zone = r < w1 ? 1 : r < w1 + w2 ? 2 : 3;
        } while (ZoneRefused(zone, length));
    }
    // Otherwise every zone the weights can give is refused: zone 1 suits any word, and it is taken
    // once more even if that passes its repeat limit, so that every cloud gets its point.
    const std::int32_t point = ZoneStart(zone) + Random(ZoneLength(zone));
    ZoneRepeat = zone == LastZone ? ZoneRepeat + 1 : 1;
    LastZone = zone;
    return point;
}

void TCloudGame::AddSample(const TCloud& Cloud)
{
    float a = 0;
    const bool stormy = Cloud.Kind == TCloud::kStormy;
    if (stormy) {
        // The lateness: 0 when taken the moment it turned dark, 1 once it has left the field.
        const float width = static_cast<float>(Cloud.Width());
        a = 1.0f - (width + static_cast<float>(Cloud.X)) / (width + static_cast<float>(Cloud.DarkFrom));
        SampleRing.Add(a);
        SampleAverage = SampleRing.Sum / static_cast<float>(SampleRing.Count);
    }
    SetLevel(Level + LevelGain(a, stormy, SampleAverage));
}

void TCloudGame::KeyPressed(QObject* Sender, char& Key)
{
    TCustomGameEvent::KeyPressed(Sender, Key);
    if (State == kReady)
        Start();
    else if (State == kRunning && Selected >= 0 && Selected < static_cast<std::int32_t>(Clouds.size()))
        SelectedCloudKey(Key);
}

void TCloudGame::SelectedCloudKey(char Key)
{
    TCloud& cloud = Clouds[static_cast<std::size_t>(Selected)];
    if (Key == kBackspace || Key == kEnter || (Key == kSpace && cloud.Done())) {
        const bool caught = cloud.Done();
        if (caught) {
            const std::int32_t base = cloud.Kind == TCloud::kSunny ? 30 : 10;
            SetScore(Score + base * static_cast<std::int32_t>(std::trunc(Level)));
            AddSample(cloud);
            Clouds.erase(Clouds.begin() + Selected);
        }
        if (Key == kBackspace) {
            --Selected;
            if (Selected < 0)
                Selected = static_cast<std::int32_t>(Clouds.size()) - 1;
        } else {
            NextSelection(caught);
        }
        return;
    }
    if (Key == kSpace && cloud.TypedPos == 1) {
        NextSelection(false);
        return;
    }
    const auto pos = static_cast<std::size_t>(cloud.TypedPos);
    const bool right = pos <= cloud.Word.size() && SameLetter(Key, cloud.Word[pos - 1]);
    if (KeyOfSelectedWord(cloud, Key, right)) {
        if (cloud.Serial != keyedCloud_)
            KeyRecorder.NewWord();
        keyedCloud_ = cloud.Serial;
        KeyRecorder.Key(static_cast<unsigned char>(cloud.Word[pos - 1]), static_cast<unsigned char>(Key),
                        right, TickCount());
    }
    if (right) {
        ++cloud.TypedPos;
        EnsureDifficultKeys()->RecordKey(static_cast<unsigned char>(Key), false);
    } else {
        PlaySoundSlot(kSoundError);
        EnsureDifficultKeys()->RecordKey(static_cast<unsigned char>(Key), true);
    }
}

bool TCloudGame::KeyOfSelectedWord(const TCloud& Cloud, char Key, bool Right) const
{
    const auto pos = static_cast<std::size_t>(Cloud.TypedPos);
    if (pos < 1 || pos > Cloud.Word.size() || Cloud.Shade() != 3)
        return false;
    if (Right || pos > 1)
        return true;
    for (const TCloud& other : Clouds)
        if (&other != &Cloud && other.Shade() == 3 && other.TypedPos == 1 && !other.Word.empty() &&
            SameLetter(Key, other.Word[0]))
            return false;
    return true;
}

void TCloudGame::NextSelection(bool Caught)
{
    // After a catch the next cloud has already moved up into the selected place.
    if (!Caught)
        ++Selected;
    if (Selected >= static_cast<std::int32_t>(Clouds.size()))
        Selected = 0;
}

void TCloudGame::SpeakSelection()
{
    // The selected cloud is told once each time the selection moves to another cloud or word.
    if (!SpeechOn())
        return;
    if (Selected < 0 || Selected >= static_cast<std::int32_t>(Clouds.size())) {
        SpokenSelection.clear();
        return;
    }
    const TCloud& cloud = Clouds[static_cast<std::size_t>(Selected)];
    std::string text = cloud.Word;
    if (cloud.Kind == TCloud::kStormy)
        text += ", " + Tr("TCloudGame", "stormy");
    else if (cloud.Kind == TCloud::kSunny)
        text += ", " + Tr("TCloudGame", "sunny");
    if (text == SpokenSelection)
        return;
    SpokenSelection = text;
    Speak(text);
}

void TCloudGame::PaintClouds()
{
    if (FieldBitmap.isNull())
        return;
    QPainter p(&FieldBitmap);
    p.fillRect(FieldBitmap.rect(), kSky);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < Clouds.size(); ++i) {
        Clouds[i].Highlighted = static_cast<std::int32_t>(i) == Selected;
        Clouds[i].Paint(p);
    }
    SpeakSelection();
    p.end();
    ShowField();
}

void TCloudGame::Unload()
{
    const TGameRecord record =
        MakeGameRecord(*this, kGameClouds, VocabularyTitle(*this), Level, KeyRecorder.Record);
    EnsureDifficultKeys()->Evaluate();
    TTopTenView* topTen = EnsureTopTenView();
    topTen->ShowResult(kTableClouds, "Keyvane", Score);
    EnsureChapterView()->LeftView = topTen;
    RecordFinishedGame(record);

    Clouds.clear();
    HideMissedLamps(MissedLcdCtl);
    BookForm->OnKeyDown = nullptr;
    TCustomGameEvent::Unload();
}

#include "bubbles.h"

#include "book_form.h"
#include "bubble_stg.h"
#include "chapter_view.h"
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

constexpr double kClockUnitsPerDay = 100000.0;
constexpr std::uint32_t kStepMs = 100;
constexpr float kFirstSpawnInterval = 2.0f;
constexpr float kDecorInterval = 0.8f;
constexpr int kMaxSpeed = 13;
constexpr int kInstructionCardHeight = 175;
const QColor kSky(119, 153, 255);

// Size, speed factor and points base of each kind of letter bubble, green first.
struct TKindRule {
    std::int32_t size;
    float speedFactor;
    std::int32_t pointsBase;
};
constexpr TKindRule kKinds[] = {{40, 1.0f, 3}, {45, 1.2f, 8}, {50, 1.5f, 13}};

const TKindRule& RuleOf(std::int32_t kind)
{
    return kKinds[std::clamp(kind, Tbubble::kGreen, Tbubble::kRed) - 1];
}

std::int32_t Nearest(double x)
{
    return static_cast<std::int32_t>(std::nearbyint(x));
}

std::int32_t Nearest(float x)
{
    return static_cast<std::int32_t>(std::nearbyint(x));
}

double ClockUnitsSince(double time)
{
    return (Now() - time) * kClockUnitsPerDay;
}

} // namespace

TBubbles::TBubbles(const std::string& Description) : TCustomGameEvent(Description) {}

TBubbles::~TBubbles()
{
    CloseBeforeDestruction();
    delete MissedLcdCtl.data();
}

void TBubbles::Load()
{
    TCustomGameEvent::Load();
    HitWindow = THitWindow();
    Level = 1.0f;
    MissedCount = 0;
    SpawnInterval = kFirstSpawnInterval;
    LastSpawn = Now();
    DecorInterval = kDecorInterval;
    LastDecor = Now();

    const int columnWidth = (FieldSize().width() - 10) / 10;
    KeySet = ShortString(KeySet);
    if (KeySet.empty())
        KeySet = kDefaultKeySet;
    // A practice set repeats its hardest keys to bring them more often; the points go by how many
    // different keys there are.
    std::string distinct;
    for (char c : KeySet)
        if (distinct.find(c) == std::string::npos)
            distinct += c;
    ScoreDivisor = distinct.size() < 7 ? 4 : distinct.size() < 10 ? 2 : 1;
    ColumnChars.fill(0);
    Redraw();
    SetStepInterval(kStepMs);

    Columns.clear();
    Decor.clear();
    Randomize();
    Columns.resize(kColumns);
    for (int i = 0; i < kColumns; ++i)
        Columns[static_cast<std::size_t>(i)].X = columnWidth * i + 5;

    TEventsStg* stg = EventsStg;
    stg->EventMsg->raise();
    MissedLcdCtl = ShowMissedLamps(&BubbleStg->BubbleOff->Picture(), &BubbleStg->BubbleOn->Picture(),
                                   kMissesToEnd, QPoint(8, 7));

    stg->InstrLbl1->SetCaption(Tr("TBubbles", "To pop a bubble press the character in it"));
    stg->InstrLbl2->SetCaption(Tr("TBubbles", " When you have missed six bubbles, the game is over"));
    stg->InstrLbl3->SetCaption(
        Tr("TBubbles", "Red and blue bubbles, which are faster than the green ones, will give you a "
                       "better score"));
    stg->InstructionCard->resize(stg->InstructionCard->width(), kInstructionCardHeight);
}

void TBubbles::Unload()
{
    const TGameRecord record =
        MakeGameRecord(*this, kGameBubbles, BubblesKeySetName(KeySet), Level, KeyRecorder.Record);
    EnsureDifficultKeys()->Evaluate();
    TCustomGameEvent::Unload();
    // Finished or cancelled, the score goes to the table, which the menu then shows on its left page.
    EnsureTopTenView()->ShowResult(kTableBubbles, "Keyvane", Score);
    EnsureChapterView()->LeftView = TopTenView;
    RecordFinishedGame(record);
    HideMissedLamps(MissedLcdCtl);
    BookForm->OnKeyDown = nullptr;
    Columns.clear();
    Decor.clear();
}

std::int32_t TBubbles::BaseSpeed() const
{
    return std::min(kMaxSpeed, Nearest(LinearMap(11, 3, 10, 1, Level)));
}

void TBubbles::UpdateLevel(std::int32_t Height)
{
    THitWindow& w = HitWindow;
    w.Index = w.Index % 4 + 1;
    std::int32_t& slot = w.Heights[static_cast<std::size_t>(w.Index - 1)];
    if (w.Count == 4)
        w.Sum -= slot;
    else
        ++w.Count;
    slot = Height;
    w.Sum += Height;
    HitAverage = Nearest(static_cast<double>(w.Sum) / w.Count);

    // The lower on the field bubbles are popped, the faster the game gets harder.
    const int h = FieldSize().height();
    if (HitAverage > h - 80)
        Level += LinearMap(0.1f, 0.5f, static_cast<float>(h - 80), static_cast<float>(h),
                           static_cast<float>(HitAverage));
    else if (HitAverage > h - 120)
        Level += 0.07f;
    else
        Level += 0.008f;
    Level = std::max(Level, 1.0f);
    SpawnInterval = LinearMap(0.55f, 1.5f, 10, 1, Level);
}

unsigned char TBubbles::ChooseChar(int Column)
{
    const int length = static_cast<int>(KeySet.size());
    const int start = Random(length) + 1;
    int direction = Random() > 0.5 ? 1 : -1;
    const auto onField = [this](unsigned char ch) {
        return std::find(ColumnChars.begin(), ColumnChars.end(), ch) != ColumnChars.end();
    };
    unsigned char chosen = 0;
    for (int scan = 0; scan < 2 && chosen == 0; ++scan, direction = -direction)
        for (int p = start; p >= 1 && p <= length; p += direction) {
            const auto ch = static_cast<unsigned char>(KeySet[static_cast<std::size_t>(p - 1)]);
            if (!onField(ch)) {
                chosen = ch;
                break;
            }
        }
    // Every character is on the field already: one of them shows twice.
    if (chosen == 0)
        chosen = static_cast<unsigned char>(KeySet[static_cast<std::size_t>(Random(length))]);
    ColumnChars[static_cast<std::size_t>(Column)] = chosen;
    return chosen;
}

void TBubbles::KeyPressed(QObject* Sender, char& Key)
{
    TCustomGameEvent::KeyPressed(Sender, Key);
    if (State == kReady) {
        Start();
        return;
    }
    if (State != kRunning)
        return;
    const bool popped = PopBubbles(static_cast<unsigned char>(Key));
    KeyRecorder.Single(static_cast<unsigned char>(Key), popped);
    if (!popped)
        WrongKey();
}

bool TBubbles::PopBubbles(unsigned char Key)
{
    bool popped = false;
    // A free column never matches: its bubble is inactive.
    for (int i = 0; i < kColumns; ++i) {
        Tbubble& b = Columns[static_cast<std::size_t>(i)];
        if (!b.Active || b.Char != Key)
            continue;
        popped = true;
        ColumnChars[static_cast<std::size_t>(i)] = 0;
        b.Deactivate();
        const std::int32_t points =
            (2 * static_cast<std::int32_t>(Level) + RuleOf(b.Kind).pointsBase) / ScoreDivisor;
        SetScore(Score + points);
        if (Score > kScoreCeiling)
            SetScore(kScoreCeiling);
        // The key right after a wrong one is likely a correction, not a keystroke of its own.
        if (!AfterWrongKey)
            EnsureDifficultKeys()->RecordKey(Key, false);
        AfterWrongKey = false;
        UpdateLevel(b.Y);
    }
    return popped;
}

void TBubbles::WrongKey()
{
    PlaySoundSlot(kSoundError);
    SetScore(Score - 2 * static_cast<std::int32_t>(Level));
    if (Score < 0)
        SetScore(0);
    AfterWrongKey = true;
}

void TBubbles::GameStep()
{
    TCustomGameEvent::GameStep();
    const bool spawnDue = ClockUnitsSince(LastSpawn) > SpawnInterval;

    std::vector<int> free;
    for (int i = 0; i < kColumns; ++i) {
        Tbubble& b = Columns[static_cast<std::size_t>(i)];
        if (!b.Active) {
            free.push_back(i);
            continue;
        }
        b.Move(1.0f);
        if (b.Active)
            continue;
        // Escaped at the top.
        UpdateLevel(kMissedHeight);
        ColumnChars[static_cast<std::size_t>(i)] = 0;
        ++MissedCount;
        MissedLcdCtl->SetLitCount(MissedCount);
        if (MissedCount == kMissesToEnd)
            Stop();
        else
            PlaySoundSlot(kSoundMiss);
    }

    // At most one new letter bubble per step; with no free column the spawn stays due.
    if (spawnDue && !free.empty()) {
        LaunchColumnBubble(free[static_cast<std::size_t>(Random(static_cast<int>(free.size())))]);
        LastSpawn = Now();
    }

    if (ClockUnitsSince(LastDecor) > DecorInterval) {
        LaunchDecor();
        LastDecor = Now();
    }
    for (Tbubble& d : Decor)
        d.Move(1.0f);
    std::erase_if(Decor, [](const Tbubble& d) { return !d.Active; });

    Redraw();
}

void TBubbles::LaunchColumnBubble(int Column)
{
    Tbubble& b = Columns[static_cast<std::size_t>(Column)];
    const double d = Random() * 10;
    b.Kind = d >= 9.6 ? Tbubble::kRed : d >= 8 ? Tbubble::kBlue : Tbubble::kGreen;
    const TKindRule& rule = RuleOf(b.Kind);
    b.Size = rule.size;
    b.Launch(Nearest(static_cast<float>(BaseSpeed()) * rule.speedFactor));
    // It starts just below the field.
    b.Y = FieldSize().height();
    b.Char = ChooseChar(Column);
    // A child playing by ear hears each bubble's character as it appears.
    SpeakCharacter(static_cast<char>(b.Char));
}

void TBubbles::LaunchDecor()
{
    Tbubble d;
    d.IsDecor = true;
    d.Size = 4 + Random(5);
    d.X = Random(FieldSize().width() - d.Size);
    d.Launch(d.Size - 2);
    d.Y = FieldSize().height();
    Decor.push_back(d);
}

void TBubbles::Redraw()
{
    if (FieldBitmap.isNull())
        return;
    FieldBitmap.fill(kSky);
    QPainter p(&FieldBitmap);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Tbubble& d : Decor)
        if (d.Active)
            DrawBubble(d, p);
    for (const Tbubble& b : Columns)
        if (b.Active)
            DrawBubble(b, p);
    p.end();
    ShowField();
}

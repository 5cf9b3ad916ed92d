#include "wordtris.h"

#include "book_form.h"
#include "chapter_view.h"
#include "code_page.h"
#include "difficult_keys.h"
#include "events_stg.h"
#include "game_record.h"
#include "helpers.h"
#include "sounds.h"
#include "speech_service.h"
#include "system.h"
#include "top_ten_view.h"
#include "translation.h"
#include "tris_stg.h"
#include "word_view_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Layout around the box.
constexpr int kConsoleTop = 335;
constexpr int kFieldBottom = 363;
constexpr int kInstructionHeight = 175;
constexpr int kWordViewWidth = 200;
constexpr int kWordViewHeight = 32;
// Text origin in a row; row font "Times New Roman" 14 points (19 px) bold.
constexpr int kTextX = TWTrisEvent::kBeamTextX;
constexpr int kTextY = 3;
constexpr int kRowFontPx = 19;
constexpr std::size_t kMaxRestLength = 150;

const QColor kTypedColour(255, 0, 0);
const QColor kBeamTextColour(255, 255, 255);
const QColor kMissedTextColour(128, 128, 128);

// Draws text with the top left corner of its cell at (x, y).
void TextOut(QPainter& p, int x, int y, const std::string& text, const QColor& colour)
{
    p.setPen(colour);
    p.drawText(x, y + p.fontMetrics().ascent(), FromCp1252(text));
}

} // namespace

namespace {

std::string PromptText()
{
    std::string text = Tr("TWTrisEvent", TWTrisEvent::kPressSpace);
    if (text.empty() || text.back() != ' ')
        text += ' ';
    return text;
}

} // namespace

QFont TWTrisEvent::BeamFont()
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(kRowFontPx);
    f.setBold(true);
    return f;
}

TWTrisEvent::TWTrisEvent(const std::string& Description)
    : TCustomGameEvent(Description), PressSpace(PromptText())
{
    WordView = new TWordViewCanvas();
}

TWTrisEvent::~TWTrisEvent()
{
    CloseBeforeDestruction();
    delete WordView.data();
}

void TWTrisEvent::Load()
{
    TCustomGameEvent::Load();
    TEventsStg* stg = EventsStg;
    TTrisStgFrm* tris = TrisStgFrm;
    QWidget* page = BookForm->WidePage;

    savedConsoleTop_ = stg->LeftConsole->y();
    stg->LeftConsole->move(stg->LeftConsole->x(), kConsoleTop);
    EmptyRowColour = QColor(255, 255, 255);

    BorrowChildren(tris->Tris, page);
    stg->WordLcd->show();

    BorrowControl(WordView, page);
    WordView->setGeometry(stg->WordLcd->x() + 7, stg->WordLcd->y() + 3, kWordViewWidth, kWordViewHeight);
    WordView->SetFontName("Times New Roman");
    WordView->Color = QColor(0, 0, 0);
    WordView->CursorTextColor = QColor(255, 255, 0);
    WordView->RestTextColor = QColor(0, 255, 0);
    // The closing Space counts as a step of the cursor, onto the end mark after the word.
    WordView->AllowEndCursor = true;
    WordView->show();

    MissedWords.clear();
    RowImages.assign(tris->Rows.begin(), tris->Rows.end());
    SpeedLevel = 1.0f;

    tris->RightBlock2->Assign(*tris->RightBlock1);
    tris->RightBlock3->Assign(*tris->RightBlock1);
    tris->LeftBlock2->Assign(*tris->LeftBlock1);
    tris->LeftBlock3->Assign(*tris->LeftBlock1);
    tris->LeftBlock3->resize(tris->LeftBlock3->width(), kFieldBottom - tris->LeftBlock3->y());

    WordView->SetWord(CurrentWord);
    BeamRow = 0;
    TypedIndex = 1;
    DrawRows("", 0);

    stg->InstrLbl1->SetCaption(Tr("TWordTris", "To catch the beam, type the word in it and press Space"));
    stg->InstrLbl2->SetCaption(Tr("TWordTris", " When the box is full of missed beams, the game is over"));
    stg->InstrLbl3->SetCaption(
        Tr("TWordTris", "To get the best possible score, look at the word display below the box"));
    stg->InstructionCard->resize(stg->InstructionCard->width(), kInstructionHeight);
    // Panels lie above pictures: the card covers the box's edge until the game starts.
    stg->InstructionCard->raise();
    stg->EventMsg->raise();
}

void TWTrisEvent::Unload()
{
    const TGameRecord record =
        MakeGameRecord(*this, kGameWordTris, VocabularyTitle(*this), SpeedLevel, KeyRecorder.Record);
    TTrisStgFrm* tris = TrisStgFrm;
    for (TImage* block : {tris->RightBlock2, tris->RightBlock3, tris->LeftBlock2, tris->LeftBlock3})
        block->ClearPicture();
    TCustomGameEvent::Unload();
    // The other games show the console picture where the storage form keeps it.
    EventsStg->LeftConsole->move(EventsStg->LeftConsole->x(), savedConsoleTop_);
    EnsureDifficultKeys()->Evaluate();
    BookForm->OnKeyDown = nullptr;
    EventsStg->WordLcd->hide();
    // The word display had no parent before it was borrowed, so giving the controls back left it here.
    if (WordView) {
        WordView->hide();
        WordView->setParent(nullptr);
    }
    TTopTenView* scores = EnsureTopTenView();
    scores->ShowResult(kTableWordTris, "Keyvane", Score);
    EnsureChapterView()->LeftView = scores;
    RecordFinishedGame(record);
}

void TWTrisEvent::KeyPressed(QObject* Sender, char& Key)
{
    TCustomGameEvent::KeyPressed(Sender, Key);
    if (State == kReady) {
        // The first key starts the game; it is not typed.
        NewBeam();
        Start();
        return;
    }
    if (State != kRunning)
        return;

    const bool prompt = CurrentWord == PressSpace;
    const std::string expectedText = prompt ? CurrentWord : CurrentWord + " ";
    const auto length = static_cast<std::int32_t>(expectedText.size());
    if (TypedIndex < 1 || TypedIndex > length)
        return;
    const char expected = expectedText[static_cast<std::size_t>(TypedIndex - 1)];
    TDifficultKeys* keys = EnsureDifficultKeys();
    if (!ContinuesLandedBeam(Key, expected))
        KeyRecorder.Key(static_cast<unsigned char>(expected), static_cast<unsigned char>(Key),
                        Key == expected, TickCount());
    if (Key != expected) {
        // No penalty beyond the sound; the statistics count the key that was due.
        PlaySoundSlot(kSoundError);
        keys->RecordKey(static_cast<unsigned char>(expected), true);
        return;
    }

    keys->RecordKey(static_cast<unsigned char>(expected), false);
    ++TypedIndex;
    WordView->AdvanceCursor();
    if (TypedIndex == length) {
        // Every letter is typed; only the Space is left.
        CurrentWord = PressSpace;
        TypedIndex = static_cast<std::int32_t>(CurrentWord.size());
        DrawRows(CurrentWord, BeamRow);
    } else if (TypedIndex == length + 1) {
        SetScore(Score + kPointsPerLevel * static_cast<std::int32_t>(std::trunc(SpeedLevel)));
        LastRow = BeamRow;
        NewBeam();
    } else {
        DrawActiveRow();
    }
}

void TWTrisEvent::GameStep()
{
    const auto missed = static_cast<std::int32_t>(MissedWords.size());
    const std::string beam = CurrentWord;
    if (BeamRow > 0 && BeamRow <= kRows)
        RowTexts[static_cast<std::size_t>(BeamRow)].clear();
    ++BeamRow;
    if (BeamRow <= kRows - missed) {
        DrawRows(CurrentWord, BeamRow);
        return;
    }
    // The beam landed on the pile. The player may be in the middle of its word and type on for a
    // moment; those keys are no keystrokes of the next word.
    landedRest_.clear();
    if (beam == PressSpace)
        landedRest_ = " ";
    else if (TypedIndex > 1)
        landedRest_ = (beam + " ").substr(std::min(beam.size() + 1, std::size_t(TypedIndex - 1)));
    BeamRow = 0;
    MissedWords.push_back(beam);
    LastRow = kRows + 1;
    if (static_cast<int>(MissedWords.size()) == kMissesToEnd) {
        // The box keeps its last picture: five grey beams and the last beam above them.
        Stop();
        return;
    }
    PlaySoundSlot(kSoundMiss);
    NewBeam();
}

bool TWTrisEvent::ContinuesLandedBeam(char Key, char Expected)
{
    if (landedRest_.empty())
        return false;
    if (Key != landedRest_.front()) {
        landedRest_.clear();
        return false;
    }
    landedRest_.erase(0, 1);
    // A key right for the new beam as well counts for it.
    return Key != Expected;
}

void TWTrisEvent::NewBeam()
{
    KeyRecorder.NewWord();
    std::string word;
    NextWord(true, word);
    TypedIndex = 1;
    BeamRow = 1;
    WordView->SetWord(CurrentWord);
    DrawRows(CurrentWord, 1);
    if (CurrentWord != "--")
        Speak(CurrentWord);
    UpdateSpeed();
    // This also restarts the step timing: the new beam stays in the top row for a whole interval.
    SetStepInterval(RowInterval());
}

void TWTrisEvent::UpdateSpeed()
{
    const auto missed = static_cast<std::int32_t>(MissedWords.size());
    const std::int32_t room = 9 - missed;
    long double level = SpeedLevel;
    if (LastRow > kRows) {
        level -= 2.0L;
    } else if (LastRow < room - 5) {
        level += 0.65L;
    } else {
        // The higher the beam was caught, the larger the step; the lowest free row gives less than 0.18.
        const auto p = static_cast<float>(static_cast<long double>(room - LastRow) / room * 100.0L);
        level += LinearMap(0.65f, 0.18f, 100.0f, 0.0f, p);
    }
    SpeedLevel = std::clamp(static_cast<float>(level), 1.0f, 10.0f);
}

std::uint32_t TWTrisEvent::RowInterval() const
{
    const float k = LinearMap(0.25f, 1.3f, 7.0f, 1.0f, SpeedLevel);
    const long double ms = 100.0L * k * (static_cast<long double>(CurrentWord.size()) + 4.0L);
    const long double rounded = std::nearbyint(ms);
    if (rounded < kMinRowInterval)
        return kMinRowInterval;
    return static_cast<std::uint32_t>(rounded);
}

void TWTrisEvent::DrawRows(const std::string& Text, std::int32_t ActiveRow)
{
    for (std::string& row : RowTexts)
        row.clear();
    if (ActiveRow > 0 && ActiveRow <= kRows)
        RowTexts[static_cast<std::size_t>(ActiveRow)] = Text;
    // The oldest missed beam lies at the bottom, the newest on top of the pile.
    for (std::size_t i = 0; i < MissedWords.size() && i < static_cast<std::size_t>(kRows); ++i)
        RowTexts[static_cast<std::size_t>(kRows) - i] = MissedWords[i];

    TTrisStgFrm* tris = TrisStgFrm;
    for (int i = 1; i <= kRows && i <= static_cast<int>(RowImages.size()); ++i) {
        TImage* image = RowImages[static_cast<std::size_t>(i - 1)];
        const std::string& text = RowTexts[static_cast<std::size_t>(i)];
        if (i == ActiveRow) {
            DrawActiveRow(); // paints the whole row
        } else {
            QPainter p(&image->Canvas());
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.setBrush(Qt::NoBrush);
            p.setFont(BeamFont());
            if (!text.empty()) {
                p.drawImage(QPointF(0, 0), tris->Inactive->Picture());
                TextOut(p, kTextX, kTextY, text, kMissedTextColour);
            } else {
                p.fillRect(QRect(QPoint(0, 0), image->size()), EmptyRowColour);
            }
        }
        image->update();
    }
}

void TWTrisEvent::DrawActiveRow()
{
    if (BeamRow <= 0 || BeamRow > kRows || BeamRow > static_cast<int>(RowImages.size()))
        return;
    TImage* image = RowImages[static_cast<std::size_t>(BeamRow - 1)];
    const std::string& text = RowTexts[static_cast<std::size_t>(BeamRow)];
    const std::size_t split = std::min(text.size(), static_cast<std::size_t>(std::max(TypedIndex - 1, 0)));
    const std::string typed = text.substr(0, split);
    const std::string rest = text.substr(split, kMaxRestLength);
    {
        QPainter p(&image->Canvas());
        // The row is painted anew after every key: text drawn again over itself would blend its
        // anti-aliased edges once more with each pass, fringing the typed letters and thickening the rest.
        p.fillRect(QRect(QPoint(0, 0), image->size()), EmptyRowColour);
        p.drawImage(QPointF(0, 0), TrisStgFrm->Active->Picture());
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(BeamFont());
        // The prompt's text is white all through.
        TextOut(p, kTextX, kTextY, typed, text == PressSpace ? kBeamTextColour : kTypedColour);
        const int restX = kTextX + p.fontMetrics().horizontalAdvance(FromCp1252(typed));
        TextOut(p, restX, kTextY, rest, kBeamTextColour);
    }
    image->update();
}

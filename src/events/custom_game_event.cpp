#include "custom_game_event.h"

#include "book_form.h"
#include "code_page.h"
#include "events_stg.h"
#include "helpers.h"
#include "missed_lcd.h"
#include "short_string.h"
#include "speech_service.h"
#include "system.h"
#include "text_file.h"
#include "translation.h"
#include "vocabulary_words.h"

#include <QPainter>

namespace {

// The wide page grows this much upwards while a game is shown.
constexpr int kPageGrowth = 13;
constexpr int kFieldHeight = 363;
constexpr std::uint32_t kDefaultStep = 100;
constexpr int kLoopSleep = 5;
constexpr int kGameOverPause = 2000;
const char* const kNoWord = "--";

} // namespace

TCustomGameEvent::TCustomGameEvent(const std::string& Description) : TTimedEvent(Description)
{
    if (Entries.size() >= 4)
        VocabularyFile = ShortString(Entries[3]);
}

TCustomGameEvent::~TCustomGameEvent()
{
    CloseBeforeDestruction();
    delete PlayField.data();
    delete RetiredField.data();
}

void TCustomGameEvent::Load()
{
    TTimedEvent::Load();
    TEventsStg* stg = EventsStg;
    QWidget* page = BookForm->WidePage;
    SavedPageTop = page->y();
    SavedPageHeight = page->height();
    page->setGeometry(page->x(), SavedPageTop - kPageGrowth, page->width(), SavedPageHeight + kPageGrowth);
    // The clock runs, but games do not show it.
    ShowClock(false);

    Vocabulary = std::make_unique<std::vector<std::string>>();
    LoadVocabulary();
    SetStepInterval(kDefaultStep);

    PlayField = new TPaintBox();
    BorrowControl(PlayField, page);
    PlayField->setGeometry(0, 0, page->width(), kFieldHeight);
    PlayField->show();
    PlayField->OnPaint = [this](QPainter& p) { p.drawImage(0, 0, FieldBitmap); };
    // The field's bitmap covers the whole box: nothing beneath it needs painting first.
    PlayField->setAttribute(Qt::WA_OpaquePaintEvent);
    // The bitmap has the screen's pixels, so that the field stays sharp on a high-density screen;
    // games draw on it in the field's own coordinates.
    const qreal ratio = PlayField->devicePixelRatioF();
    FieldBitmap = QImage(PlayField->size() * ratio, QImage::Format_RGB32);
    FieldBitmap.setDevicePixelRatio(ratio);
    FieldBitmap.fill(Qt::white);

    stg->EventMsg->move(90, 150);
    stg->MsgLabel1->SetCaption(Tr("TCustomGameEvent", "Press any key"));
    stg->MsgLabel2->SetCaption(Tr("TCustomGameEvent", "to begin."));
    // The play field was borrowed after the message panel; the panel has to lie above it.
    stg->EventMsg->raise();
    stg->EventMsg->show();

    BorrowControl(stg->InstructionCard, page);
    stg->InstructionCard->move(440, 20);
    stg->InstructionCard->show();

    // The play field is where the child is: it takes the focus, is named after the game and gives the
    // instructions the game put on its card as its description.
    PlayField->setAccessibleName(FromCp1252(BookForm->Title->Caption()));
    PlayField->OnDescribe = [] { return InstructionsText(); };
    PlayField->setFocusPolicy(Qt::StrongFocus);
    PlayField->setFocus(Qt::OtherFocusReason);
    Speak(BookForm->Title->Caption() + ". " + Tr("TCustomGameEvent", "Press any key to begin."));

    stg->Screen1->hide();
    stg->Screen3->hide();
    stg->PointScreen->show();
    stg->PointsTitle->show();
    stg->PointsLabel->show();
    stg->RhythmTitle->hide();
    SetScore(0);
}

void TCustomGameEvent::Unload()
{
    // The play field had no parent before it was borrowed, so giving the controls back skips it.
    // It has the focus, and the key that ends the game (Esc, Enter) is still on its way to it: it is
    // taken off the page, hidden and without the focus, and goes with the game.
    if (TPaintBox* field = PlayField.data()) {
        PlayField = nullptr;
        field->clearFocus();
        field->hide();
        field->OnPaint = nullptr;
        field->OnDescribe = nullptr;
        field->setParent(nullptr);
        RetiredField = field;
    }
    FieldBitmap = QImage();
    Vocabulary.reset();
    TTimedEvent::Unload();
    QWidget* page = BookForm->WidePage;
    page->setGeometry(page->x(), SavedPageTop, page->width(), SavedPageHeight);
    TEventsStg* stg = EventsStg;
    stg->Screen1->show();
    stg->Screen3->show();
    stg->RhythmTitle->show();
    stg->PointScreen->hide();
    stg->PointsTitle->hide();
    stg->PointsLabel->hide();
}

void TCustomGameEvent::QueryClose(bool& Cancel)
{
    // A game never asks: closing pauses the clock, which also ends the game loop.
    Cancel = false;
    Pause();
}

void TCustomGameEvent::Start()
{
    TTimedEvent::Start();
    EventsStg->InstructionCard->hide();
    LastStep = 0; // the first step comes at once
    while (State == kRunning) {
        const std::uint32_t now = TickCount();
        // Unsigned arithmetic keeps the interval right across the tick count's wrap; a tick count
        // below the last step's also means it wrapped.
        const bool due = now - LastStep >= StepInterval || TickCount() < LastStep;
        if (due) {
            // Measured from the start of this step: steps missed during a slow one are not made up.
            LastStep = TickCount();
            GameStep();
        }
        SleepMs(kLoopSleep);
        ProcessMessages();
        // Termination ends every loop; the event stays as it is and its Execute ends next.
        if (Terminated())
            break;
    }
}

void TCustomGameEvent::Stop()
{
    TTimedEvent::Stop();
    EventsStg->MsgLabel1->SetCaption(Tr("TCustomGameEvent", "Game over."));
    EventsStg->MsgLabel2->SetCaption("");
    Speak(Tr("TCustomGameEvent", "Game over."));
    // The whole panel, border and both lines, is painted now: nothing else is painted until the
    // pause ends, and a panel shown only a moment ago has not been painted at all yet.
    EventsStg->EventMsg->repaint();
    // Nothing is processed meanwhile: keys typed now are handled after the pause.
    SleepMs(kGameOverPause);
    EventsStg->MsgLabel2->SetCaption(Tr("TCustomGameEvent", "Press Enter to continue."));
    Speak(Tr("TCustomGameEvent", "Press Enter to continue."));
    // The message panel names itself after what it says now, for a screen reader reading the page.
    EventsStg->EventMsg->setAccessibleName(
        FromCp1252(EventsStg->MsgLabel1->Caption() + " " + EventsStg->MsgLabel2->Caption()));
}

QString InstructionsText()
{
    // The numbered items the game filled in and that lie on the card, in their order.
    QStringList items;
    TEventsStg* stg = EventsStg;
    for (TLabel* item : {stg->InstrLbl1, stg->InstrLbl2, stg->InstrLbl3, stg->InstrLbl4, stg->InstrLbl5})
        if (ShownOnParent(item) && !item->text().isEmpty())
            items.append(item->text());
    return items.join(QLatin1Char(' '));
}

void TCustomGameEvent::GameStep()
{
    UpdateClock();
}

void TCustomGameEvent::SetScore(std::int32_t N)
{
    Score = N;
    EventsStg->PointsLabel->SetCaption(std::to_string(N));
}

void TCustomGameEvent::SetStepInterval(std::uint32_t Ms)
{
    StepInterval = Ms;
    LastStep = TickCount();
}

void TCustomGameEvent::NextWord(bool Lower, std::string& Word)
{
    Word = kNoWord;
    CurrentWord = kNoWord;
    // A missing list and an empty one (no file, an empty or unreadable one) both give no word.
    if (!Vocabulary || Vocabulary->empty())
        return;
    ++WordIndex;
    if (WordIndex < 0 || WordIndex >= static_cast<std::int32_t>(Vocabulary->size())) {
        ShuffleList(*Vocabulary);
        WordIndex = 0;
    }
    Word = (*Vocabulary)[static_cast<std::size_t>(WordIndex)];
    if (Lower)
        Word = ToCp1252(FromCp1252(Word).toLower());
    Word = ShortString(Word);
    CurrentWord = Word;
}

void TCustomGameEvent::LoadVocabulary()
{
    if (WordsGiven && Vocabulary) {
        for (const std::string& word : GivenWords)
            if (!word.empty())
                Vocabulary->push_back(ShortString(word));
        WordIndex = static_cast<std::int32_t>(Vocabulary->size());
        return;
    }
    if (VocabularyFile.empty() || !Vocabulary)
        return;
    TTextFile file;
    if (file.OpenFile(VocabularyFile, 1) != 1)
        return;
    // Words the code page cannot hold are left out without a message, as blank lines are.
    *Vocabulary = ReadVocabularyWords(file).Words;
    file.CloseFile();
    WordIndex = static_cast<std::int32_t>(Vocabulary->size());
}

QSize TCustomGameEvent::FieldSize() const
{
    return FieldBitmap.deviceIndependentSize().toSize();
}

void TCustomGameEvent::ShowField()
{
    if (PlayField)
        PlayField->repaint();
}

TMissedLcd* TCustomGameEvent::ShowMissedLamps(const QImage* Off, const QImage* On, std::int32_t Slots,
                                              QPoint Offset)
{
    TEventsStg* stg = EventsStg;
    stg->MissedTitle->show();
    stg->MissLcd->show();
    // The lamps go in first, so that the display takes the size of its row of lamps at once.
    auto* lamps = new TMissedLcd();
    lamps->Color = Qt::black;
    lamps->OffPicture = Off;
    lamps->OnPicture = On;
    lamps->SetLitCount(0);
    lamps->SetSlotCount(Slots);
    lamps->move(stg->MissLcd->pos() + Offset);
    BorrowControl(lamps, BookForm->WidePage);
    lamps->show();
    return lamps;
}

void TCustomGameEvent::HideMissedLamps(TMissedLcd* Lamps)
{
    delete Lamps;
    EventsStg->MissLcd->hide();
    EventsStg->MissedTitle->hide();
}

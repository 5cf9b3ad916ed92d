#include "events_stg.h"

#include "storage_form.h"
#include "translation.h"

TEventsStg* EventsStg = nullptr;

namespace {

using Colours::kBlack;
using Colours::kGreen;
using Colours::kGrey;
using Colours::kLightGreen;
using Colours::kLime;
using Colours::kSilver;
using Colours::kWhite;

// The instruction items' default texts: the first one, and the one the other four repeat.
constexpr const char* kInstrFirst =
    QT_TRANSLATE_NOOP("TEventsStg", "Use Enter and Backspace to move back and forth between clouds.");
constexpr const char* kInstrOther = QT_TRANSLATE_NOOP(
    "TEventsStg", "Sunny clouds will give you a great bonus, so try to catch as many of them as possible.");

} // namespace

TEventsStg::TEventsStg()
{
    EventsStg = this;
    setObjectName("EventsStg");
    // Positions of the console's children are their positions on the wide page; rows are in
    // stacking order, back to front, and the console's rows in the order views borrow them.
    BuildControls(
        this,
        {
            {"EventMsg", TKind::Panel, nullptr, 90, 150, 236, 64, "", 0, kLightGreen, 0, kBorder | kHidden},
            {"MsgLabel1", TKind::Label, "EventMsg", 0, 3, 233, 22,
             QT_TRANSLATE_NOOP("TEventsStg", "Type the highlighted word"), 19, kBlack, 0, kCentre},
            {"MsgBar", TKind::Shape, "EventMsg", 0, 30, 241, 41, "", 0, kGreen, 0, kNoPen},
            {"MsgLabel2", TKind::Label, "EventMsg", 0, 35, 233, 22,
             QT_TRANSLATE_NOOP("TEventsStg", "to begin"), 19, kWhite, 0, kCentre},

            {"EventConsole", TKind::Panel, nullptr, 0, 0, 718, 428, "", 0, kWhite},
            {"RightConsole", TKind::Image, "EventConsole", 563, 9, 155, 420, "right_console"},
            {"Screen2", TKind::Shape, "EventConsole", 580, 56, 120, 105, "", 0, kBlack, kGrey},
            {"LeftConsole", TKind::Image, "EventConsole", 0, 127, 563, 398, "left_console"},
            {"TimeLabel", TKind::Label, "EventConsole", 600, 125, 81, 29, "00:00", 24, kGreen, kBlack,
             kCentre | kBold | kOpaque},
            {"TimeGraph", TKind::PieGauge, "EventConsole", 590, 68, 100, 50, ""},
            {"Screen1", TKind::Shape, "EventConsole", 40, 288, 441, 119, "", 0, kBlack, kGrey},
            {"TimeLbl", TKind::Label, "EventConsole", 584, 35, 0, 0, "", 17, kWhite, 0, kBold},
            {"PointsTitle", TKind::Label, "EventConsole", 12, 374, 0, 0, "", 17, kWhite, 0, kBold | kHidden},
            {"RhythmTitle", TKind::Label, "EventConsole", 584, 179, 0, 0, "", 17, kWhite, 0, kBold | kHidden},
            {"MissedTitle", TKind::Label, "EventConsole", 200, 374, 0, 0, "", 17, kWhite, 0,
             kBold | kRight | kHidden},
            {"Screen3", TKind::Shape, "EventConsole", 580, 203, 120, 31, "", 0, kBlack, kGrey},
            {"PointScreen", TKind::Image, "EventConsole", 12, 394, 140, 33, "point_screen"},
            {"PointsLabel", TKind::Label, "EventConsole", 40, 396, 105, 29, "12345", 24, kLime, 0,
             kRight | kBold | kHidden},
            {"MissLcd", TKind::Image, "EventConsole", 200, 394, 140, 33, "miss_lcd", 0, 0, 0, kHidden},
            {"WordLcd", TKind::Image, "EventConsole", 242, 390, 220, 37, "word_lcd", 0, 0, 0, kHidden},

            {"InstructionCard", TKind::Panel, nullptr, 440, 20, 261, 273, "", 0, kWhite, 0, kBorder},
            {"InstrTitle", TKind::Label, "InstructionCard", 7, 6, 0, 0,
             QT_TRANSLATE_NOOP("TEventsStg", "Instructions"), 17, kBlack, 0, kBold},
            {"InstrNum1", TKind::Label, "InstructionCard", 8, 32, 0, 0, "1", 29, kSilver, 0, kBold},
            {"InstrNum2", TKind::Label, "InstructionCard", 8, 80, 0, 0, "2", 29, kSilver, 0, kBold},
            {"InstrNum3", TKind::Label, "InstructionCard", 8, 128, 0, 0, "3", 29, kSilver, 0, kBold},
            {"InstrNum4", TKind::Label, "InstructionCard", 8, 176, 0, 0, "4", 29, kSilver, 0, kBold},
            {"InstrNum5", TKind::Label, "InstructionCard", 8, 224, 0, 0, "5", 29, kSilver, 0, kBold},
            {"InstrLbl1", TKind::Label, "InstructionCard", 32, 35, 217, 46, kInstrFirst, 11, kBlack, 0,
             kWrap},
            {"InstrLbl2", TKind::Label, "InstructionCard", 32, 84, 217, 45, kInstrOther, 11, kBlack, 0,
             kWrap},
            {"InstrLbl3", TKind::Label, "InstructionCard", 32, 132, 217, 45, kInstrOther, 11, kBlack, 0,
             kWrap},
            {"InstrLbl4", TKind::Label, "InstructionCard", 32, 180, 217, 45, kInstrOther, 11, kBlack, 0,
             kWrap},
            {"InstrLbl5", TKind::Label, "InstructionCard", 32, 228, 217, 45, kInstrOther, 11, kBlack, 0,
             kWrap},
        },
        "TEventsStg");

    EventMsg = Control<TPanel>(this, "EventMsg");
    MsgLabel1 = Control<TLabel>(this, "MsgLabel1");
    MsgLabel2 = Control<TLabel>(this, "MsgLabel2");
    EventConsole = Control<TPanel>(this, "EventConsole");
    RightConsole = Control<TImage>(this, "RightConsole");
    Screen2 = Control<TShape>(this, "Screen2");
    LeftConsole = Control<TImage>(this, "LeftConsole");
    TimeLabel = Control<TLabel>(this, "TimeLabel");
    TimeGraph = Control<TPieGauge>(this, "TimeGraph");
    Screen1 = Control<TShape>(this, "Screen1");
    TimeLbl = Control<TLabel>(this, "TimeLbl");
    PointsTitle = Control<TLabel>(this, "PointsTitle");
    RhythmTitle = Control<TLabel>(this, "RhythmTitle");
    MissedTitle = Control<TLabel>(this, "MissedTitle");
    Screen3 = Control<TShape>(this, "Screen3");
    PointScreen = Control<TImage>(this, "PointScreen");
    PointsLabel = Control<TLabel>(this, "PointsLabel");
    MissLcd = Control<TImage>(this, "MissLcd");
    WordLcd = Control<TImage>(this, "WordLcd");
    InstructionCard = Control<TPanel>(this, "InstructionCard");
    InstrLbl1 = Control<TLabel>(this, "InstrLbl1");
    InstrLbl2 = Control<TLabel>(this, "InstrLbl2");
    InstrLbl3 = Control<TLabel>(this, "InstrLbl3");
    InstrLbl4 = Control<TLabel>(this, "InstrLbl4");
    InstrLbl5 = Control<TLabel>(this, "InstrLbl5");

    // The time gauge: a green pie on black, without text or border.
    TimeGraph->Fore = QColor::fromRgba(kGreen);
    TimeGraph->Back = QColor::fromRgba(kBlack);
    FormCreate();
}

TEventsStg::~TEventsStg()
{
    if (EventsStg == this)
        EventsStg = nullptr;
}

void TEventsStg::FormCreate()
{
    TimeLbl->SetCaption(Tr("TEventsStg", "Time"));
    RhythmTitle->SetCaption(Tr("TEventsStg", "Rhythm"));
    PointsTitle->SetCaption(Tr("TEventsStg", "Score"));
    MissedTitle->SetCaption(Tr("TEventsStg", "Missed"));
}

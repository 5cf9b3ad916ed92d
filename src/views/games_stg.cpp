#include "games_stg.h"

#include "label_fit.h"
#include "storage_form.h"
#include "translation.h"

#include <utility>

TGamesStg* GamesStg = nullptr;

namespace {

using Colours::kBlack;
using Colours::kWhite;

void Buddy(QWidget* form, const char* label, const char* buddy)
{
    Control<QLabel>(form, label)->setBuddy(Control<QWidget>(form, buddy));
}
} // namespace

TGamesStg::TGamesStg()
{
    GamesStg = this;
    setObjectName("GamesStg");
    BuildControls(
        this,
        {
            {"GamesTabPic", TKind::Image, nullptr, 0, 0, 779, 61, "tab_row_games"},
            {"Panel1", TKind::Panel, nullptr, 0, 0, 337, 437, "", 0, kWhite},
            {"Image1", TKind::Image, "Panel1", 12, 2, 324, 413, "games_picture"},
            {"Label2", TKind::Label, "Panel1", 16, 397, 0, 0, QT_TRANSLATE_NOOP("TGamesStg", "Version 4.5"),
             11, kWhite},
            {"Panel2", TKind::Panel, nullptr, 0, 0, 337, 425, "", 0, kWhite},
            {"BubblesBox", TKind::Image, "Panel2", 2, -1, 160, 160, "box_bubbles"},
            {"BubblesLbl", TKind::Label, "Panel2", 16, 8, 0, 0, "", 13, kWhite, 0, kBold},
            {"KeysLbl", TKind::Label, "Panel2", 17, 42, 0, 0, "", 12, kBlack},
            {"BubblesKeys", TKind::Combo, "Panel2", 17, 59, 131, 24, "", 13},
            {"BubblesBtn", TKind::Button, "Panel2", 17, 120, 131, 25,
             QT_TRANSLATE_NOOP("TGamesStg", "&Start")},
            {"TrisBox", TKind::Image, "Panel2", 172, -1, 160, 160, "box_wordtris"},
            {"WordTrisLbl", TKind::Label, "Panel2", 186, 8, 0, 0, "", 13, kWhite, 0, kBold},
            {"VocabularyLbl", TKind::Label, "Panel2", 187, 42, 0, 0, "", 12, kBlack},
            {"TrisFileList", TKind::Combo, "Panel2", 187, 59, 131, 24, ""},
            {"WordTrisBtn", TKind::Button, "Panel2", 187, 120, 131, 25,
             QT_TRANSLATE_NOOP("TGamesStg", "S&tart")},
            {"CloudsBox", TKind::Image, "Panel2", 2, 165, 160, 160, "box_clouds"},
            {"CloudsLbl", TKind::Label, "Panel2", 16, 174, 0, 0,
             QT_TRANSLATE_NOOP("TGamesStg", "Play Clouds"), 13, kWhite, 0, kBold},
            {"VocabularyLbl2", TKind::Label, "Panel2", 17, 209, 0, 0,
             QT_TRANSLATE_NOOP("TGamesStg", "V&ocabulary"), 12, kBlack},
            {"CloudsFileList", TKind::Combo, "Panel2", 17, 226, 131, 24, ""},
            {"CloudsBtn", TKind::Button, "Panel2", 17, 286, 131, 25,
             QT_TRANSLATE_NOOP("TGamesStg", "St&art")},
            {"InfoBox", TKind::Image, "Panel2", 172, 165, 160, 160, "box_info"},
            {"InfoLbl", TKind::Label, "Panel2", 186, 174, 0, 0, "Keyvane", 13, kWhite, 0, kBold},
            {"InfoText", TKind::Label, "Panel2", 187, 205, 132, 77,
             QT_TRANSLATE_NOOP("TGamesStg",
                               "Keyvane products can help you to improve your typing skills - find out how!"),
             12, kBlack, 0, kWrap | kFixedSize},
            {"InfoBtn", TKind::Button, "Panel2", 187, 286, 131, 25, QT_TRANSLATE_NOOP("TGamesStg", "&Info")},
            {"Shape1", TKind::Shape, "Panel2", 7, 330, 322, 83, "", 0, 0xfff4f9ec, 0xff6f9a4a},
            {"Label4", TKind::Label, "Panel2", 13, 337, 308, 64,
             QT_TRANSLATE_NOOP("TGamesStg",
                               "Tip: keep your fingers on the home row (a s d f - j k l ;) and look at the "
                               "screen, not at the keys. Alt+S, Alt+T and Alt+A start the games."),
             11, kBlack, 0, kWrap | kFixedSize},
        },
        "TGamesStg");
    GamesTabPic = Control<TImage>(this, "GamesTabPic");
    Panel1 = Control<TPanel>(this, "Panel1");
    Panel2 = Control<TPanel>(this, "Panel2");
    BubblesKeys = Control<TComboBox>(this, "BubblesKeys");
    TrisFileList = Control<TComboBox>(this, "TrisFileList");
    CloudsFileList = Control<TComboBox>(this, "CloudsFileList");
    BubblesBtn = Control<TButton>(this, "BubblesBtn");
    WordTrisBtn = Control<TButton>(this, "WordTrisBtn");
    CloudsBtn = Control<TButton>(this, "CloudsBtn");
    InfoBtn = Control<TButton>(this, "InfoBtn");
    Label4 = Control<TLabel>(this, "Label4");
    FormCreate();
}

std::string DifficultKeysCaption(const std::string& keySet, bool translated)
{
    std::string caption =
        (translated ? Tr("TGamesStg", kDifficultKeysItem) : std::string(kDifficultKeysItem)) + ":";
    std::string seen;
    for (char c : keySet)
        if (seen.find(c) == std::string::npos) {
            seen += c;
            caption += ' ';
            caption += c;
        }
    return caption;
}

TGamesStg::~TGamesStg()
{
    if (GamesStg == this)
        GamesStg = nullptr;
}

void TGamesStg::FormCreate()
{
    Control<TLabel>(this, "BubblesLbl")->SetCaption(Tr("TGamesStg", "Play &Bubbles"));
    Control<TLabel>(this, "KeysLbl")->SetCaption(Tr("TGamesStg", "With &Keys"));
    Control<TLabel>(this, "WordTrisLbl")->SetCaption(Tr("TGamesStg", "Play &WordTris"));
    Control<TLabel>(this, "VocabularyLbl")->SetCaption(Tr("TGamesStg", "&Vocabulary"));
    Buddy(this, "BubblesLbl", "BubblesBtn");
    Buddy(this, "KeysLbl", "BubblesKeys");
    Buddy(this, "WordTrisLbl", "WordTrisBtn");
    Buddy(this, "VocabularyLbl", "TrisFileList");
    Buddy(this, "VocabularyLbl2", "CloudsFileList");
    Buddy(this, "CloudsLbl", "CloudsBtn");
    Buddy(this, "InfoLbl", "InfoBtn");
    // What a screen reader says of each control: the lists and buttons are told apart by their game.
    // A list's name on the desktop is its chosen item, its label says "Vocabulary" twice: which list
    // it is goes into its description too.
    const std::pair<TComboBox*, const char*> lists[] = {
        {BubblesKeys, QT_TRANSLATE_NOOP("TGamesStg", "Key set for Bubbles")},
        {TrisFileList, QT_TRANSLATE_NOOP("TGamesStg", "Vocabulary for WordTris")},
        {CloudsFileList, QT_TRANSLATE_NOOP("TGamesStg", "Vocabulary for Clouds")},
    };
    for (const auto& [list, name] : lists) {
        list->setAccessibleName(TrQ("TGamesStg", name));
        list->setAccessibleDescription(TrQ("TGamesStg", name));
    }
    BubblesBtn->setAccessibleName(TrQ("TGamesStg", "Play Bubbles"));
    WordTrisBtn->setAccessibleName(TrQ("TGamesStg", "Play WordTris"));
    CloudsBtn->setAccessibleName(TrQ("TGamesStg", "Play Clouds"));
    InfoBtn->setAccessibleName(TrQ("TGamesStg", "Info"));
    InfoBtn->setAccessibleDescription(TrQ("TGamesStg", "Opens the help page."));
    Label4->setAccessibleDescription(TrQ("TGamesStg", "Alt+Y shows your progress."));
    for (const char* caption : kBubblesKeySetCaptions)
        BubblesKeys->addItem(caption);
    BubblesKeys->AddProgramItem("TGamesStg", kDifficultKeysItem);
    // A box's title ends before the picture in the box's top right corner.
    for (const char* title : {"BubblesLbl", "WordTrisLbl", "CloudsLbl"})
        FitLabelWidth(Control<TLabel>(this, title), 102, 13);
}

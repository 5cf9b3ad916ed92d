#include "games_view.h"

#include "book_form.h"
#include "errors.h"
#include "file.h"
#include "file_system.h"
#include "games_stg.h"
#include "helpers.h"
#include "short_string.h"
#include "sounds.h"
#include "text_functions.h"
#include "vocabulary_words.h"

#include "code_page.h"
#include "system.h"
#include "translation.h"

const char* const kBubblesKeySets[3] = {
    "abcdefghijklmnopqrstuvwxyz",
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890",
};

namespace {

// The games are given the vocabulary in a description of at most 255 characters: a title whose
// description would be longer would be cut there and name another file.
bool FitsGameDescription(const std::string& title)
{
    return GameDescriptionOf(2, title).size() <= kShortStringMax &&
           GameDescriptionOf(3, title).size() <= kShortStringMax;
}

} // namespace

std::string GameDescriptionOf(std::int32_t Code, const std::string& Vocabulary)
{
    const std::string file = EscapeTokens(Vocabulary + ".vcb", "=;");
    switch (Code) {
    case 1:
        return "Event=Bubbles;0";
    case 2:
        return "Event=Tris;0;" + file;
    case 3:
        return "Event=Clouds;0;" + file + ";True";
    default:
        return {};
    }
}

TGamesView::~TGamesView()
{
    CloseBeforeDestruction();
}

void TGamesView::Load()
{
    TFormView::Load();
    TGamesStg* stg = GamesStg;
    BorrowChildren(stg->Panel2, BookForm->RightPage);

    QWidget::setTabOrder(stg->BubblesKeys, stg->BubblesBtn);
    QWidget::setTabOrder(stg->BubblesBtn, stg->TrisFileList);
    QWidget::setTabOrder(stg->TrisFileList, stg->WordTrisBtn);
    QWidget::setTabOrder(stg->WordTrisBtn, stg->CloudsFileList);
    QWidget::setTabOrder(stg->CloudsFileList, stg->CloudsBtn);
    QWidget::setTabOrder(stg->CloudsBtn, stg->InfoBtn);

    stg->TrisFileList->clear();
    // The player's own language first: the list starts on one of those after every game.
    for (const std::string& title : PlayerLanguageFirst(TFile::ListFileTitles("*.vcb"), PlayerLanguage()))
        if (FitsGameDescription(title))
            stg->TrisFileList->addItem(FromCp1252(title));
    if (PracticeWords)
        stg->TrisFileList->AddProgramItem("TGamesStg", kDifficultWordsItem);
    stg->TrisFileList->setCurrentIndex(stg->TrisFileList->count() > 0 ? 0 : -1);
    stg->TrisFileList->OnChange = [this](QObject* s) { TrisFileListChange(s); };
    TrisFileListChange(stg->TrisFileList);

    stg->CloudsFileList->clear();
    for (int i = 0; i < stg->TrisFileList->count(); ++i)
        stg->CloudsFileList->addItem(stg->TrisFileList->itemText(i), stg->TrisFileList->itemData(i));
    stg->CloudsFileList->setCurrentIndex(stg->CloudsFileList->count() > 0 ? 0 : -1);
    stg->CloudsFileList->OnChange = [this](QObject* s) { CloudsFileListChange(s); };
    CloudsFileListChange(stg->CloudsFileList);

    stg->BubblesKeys->setItemText(3, FromCp1252(PracticeKeySet ? DifficultKeysCaption(PracticeKeySet(), true)
                                                               : Tr("TGamesStg", kDifficultKeysItem)));
    stg->BubblesKeys->setCurrentIndex(0);
    stg->BubblesKeys->OnChange = [this](QObject* s) { BubblesKeysChange(s); };
    BubblesKeysChange(stg->BubblesKeys);

    for (TButton* b : {stg->BubblesBtn, stg->CloudsBtn, stg->WordTrisBtn, stg->InfoBtn})
        b->OnClick = [this](QObject* s) { StartButtonClick(s); };

    if (NoticeText) {
        const std::string notice = NoticeText();
        if (!notice.empty())
            stg->Label4->SetCaption(notice);
    }
    stg->Label4->OnClick = [this](QObject*) {
        if (OnShowProgress)
            OnShowProgress();
    };
    if (OnShowProgress)
        SetCursorId(stg->Label4, 90);
    // Back from a game the focus is where the child left: on the game's Start button, unless the
    // top ten's name box waits for a name.
    QWidget* focused = BookForm->focusWidget();
    if (!focused || !focused->isVisible())
        ReturnFocus();
}

void TGamesView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift)
{
    TFormView::KeyDown(Sender, Key, Shift);
    if (Shift == ssAlt && Key == 'Y' && OnShowProgress) {
        Key = 0;
        OnShowProgress();
    }
    // Ctrl+Q asks the window to close, as the Exit tab does.
    if (Shift == ssCtrl && Key == 'Q' && BookForm) {
        Key = 0;
        BookForm->MenuExit->Click();
    }
}

namespace {

// The practice item is the last of a list that offers it.
bool PracticeItemChosen(const TComboBox* list, bool offered)
{
    return offered && list->count() > 0 && list->currentIndex() == list->count() - 1;
}

} // namespace

void TGamesView::TrisFileListChange(QObject*)
{
    TrisVocabulary = ShortString(GamesStg->TrisFileList->Text());
    TrisPractice = PracticeItemChosen(GamesStg->TrisFileList, bool(PracticeWords));
}

void TGamesView::CloudsFileListChange(QObject*)
{
    CloudsVocabulary = ShortString(GamesStg->CloudsFileList->Text());
    CloudsPractice = PracticeItemChosen(GamesStg->CloudsFileList, bool(PracticeWords));
}

void TGamesView::BubblesKeysChange(QObject*)
{
    const int item = GamesStg->BubblesKeys->currentIndex();
    if (item >= 0 && item < 3)
        BubblesKeySet = kBubblesKeySets[item];
    else if (item == 3 && PracticeKeySet)
        BubblesKeySet = ShortString(PracticeKeySet());
}

std::string HelpPageOf(const std::string& language)
{
    if (language != "en") {
        const std::string page = "Vanedoc-" + language + ".htm";
        if (FileSystem::FileExists(page))
            return page;
    }
    return "Vanedoc.htm";
}

void OpenHelpPage(const std::string& language)
{
    const std::string page = HelpPageOf(language);
    const int result = ShellOpenDocument(page, "", "");
    if (result >= 32)
        return;
    // The box tells the player what to do about it, and where the page is (or should be).
    const std::string where = Platform::Shell().Where(page);
    if (result == 2)
        ReportFileError(-1, where, "TGamesView",
                        QT_TRANSLATE_NOOP("TGamesView", ": the help page is missing from the program's "
                                                        "folder. Installing the program again brings it "
                                                        "back."));
    else
        ReportFileError(-5452, where, "TGamesView",
                        QT_TRANSLATE_NOOP("TGamesView", ": no program was found to show this page. Install "
                                                        "a web browser, or open the page in one."));
}

void TGamesView::StartButtonClick(QObject* Sender)
{
    PlaySoundSlot(1);
    const QString name = Sender ? Sender->objectName() : QString();
    if (Sender && Sender->isWidgetType() && name != "InfoBtn")
        SetFocusReturn(static_cast<QWidget*>(Sender));
    if (name == "BubblesBtn")
        SetResult(1);
    else if (name == "WordTrisBtn")
        SetResult(2);
    else if (name == "CloudsBtn")
        SetResult(3);
    else if (name == "InfoBtn")
        OpenHelpPage(PlayerLanguage());
}

#include "book_form.h"

#include "code_page.h"
#include "speech_service.h"
#include "storage_form.h"
#include "system.h"
#include "translation.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWindow>

TBookForm* BookForm = nullptr;

namespace {

using Colours::kWhite;

// Design sizes: the book fills the client area, which is the book's size.
constexpr int kBookWidth = 777;
constexpr int kBookHeight = 529;

template <class T> T* Find(QWidget* form, const char* name)
{
    return form->findChild<T*>(QString::fromLatin1(name));
}

// The window shows screen readers only the parts of the book that are shown (not the cover once the
// book is open, nor the hidden tabs).
QAccessibleInterface* BookFormAccessible(const QString& key, QObject* object)
{
    return key == QLatin1String("TBookForm") ? NewShownChildrenAccessible(static_cast<QWidget*>(object))
                                             : nullptr;
}

} // namespace

TBookForm::TBookForm()
{
    BookForm = this;
    setObjectName("BookForm");
    InstallControlsAccessibility();
    static const bool factoryInstalled = (QAccessible::installFactory(&BookFormAccessible), true);
    (void)factoryInstalled;
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    // Rows are in stacking order, back to front.
    BuildControls(
        this,
        {
            {"BackGround32", TKind::Image, nullptr, 0, 0, kBookWidth, kBookHeight, "background", 0, 0, 0,
             kStretch},
            {"Book", TKind::Panel, nullptr, 0, 0, kBookWidth, kBookHeight, "", 0, kWhite},
            {"Image4", TKind::Image, "Book", 0, 61, 779, 469, "book"},
            {"PageSeparator", TKind::Image, "Book", 370, 61, 35, 442, "page_separator"},
            {"TabRowPic", TKind::Image, "Book", 0, 0, 779, 61, ""},
            {"MenuGuided", TKind::Image, "Book", 28, 18, 113, 43, "", 0, 0, 0, kHand | kHidden},
            {"MenuRevision", TKind::Image, "Book", 141, 18, 114, 43, "", 0, 0, 0, kHand | kHidden},
            {"MenuInfo", TKind::Image, "Book", 255, 18, 129, 43, "", 0, 0, 0, kHand | kHidden},
            {"MenuLogo", TKind::Image, "Book", 415, 28, 47, 28, "", 0, 0, 0, kHand | kHidden},
            {"MenuOptions", TKind::Image, "Book", 483, 28, 83, 28, "", 0, 0, 0, kHand | kHidden},
            {"MenuExit", TKind::Image, "Book", 685, 27, 58, 30, "exit_tab", 0, 0, 0, kHand},
            {"WidePage", TKind::Panel, "Book", 28, 74, 718, 428, "", 0, kWhite, 0, kBorder},
            {"LeftPage", TKind::Panel, "Book", 28, 74, 338, 428, "", 0, kWhite},
            {"RightPage", TKind::Panel, "Book", 405, 74, 338, 428, "", 0, kWhite},
            {"TitleConsole", TKind::Panel, "Book", 28, 61, 345, 52, "", 0, kWhite},
            {"Image1", TKind::Image, "TitleConsole", -10, -3, 342, 56, "title_strip"},
            {"Title", TKind::Label, "TitleConsole", 16, 8, 0, 0, "", 29, 0xff000000, 0, kBold},
            {"BtnConsole", TKind::Panel, "Book", 553, 424, 193, 78, "", 0, kWhite, 0, kHidden},
            {"ConsolePic2", TKind::Image, "BtnConsole", 0, 0, 193, 80, "console_style2"},
            {"ConsolePic1", TKind::Image, "BtnConsole", 0, 0, 193, 80, "console_style1"},
            {"Next", TKind::Image, "BtnConsole", 137, 13, 49, 63, "button_next", 0, 0, 0, kHand | kHidden},
            {"SkipF", TKind::Image, "BtnConsole", 72, 13, 51, 63, "button_skip_forward", 0, 0, 0,
             kHand | kHidden},
            {"Cancel", TKind::Image, "BtnConsole", 61, 13, 66, 63, "button_cancel", 0, 0, 0, kHand | kHidden},
            {"SkipB", TKind::Image, "BtnConsole", 10, 13, 50, 63, "button_skip_back", 0, 0, 0,
             kHand | kHidden},
            {"Back", TKind::Image, "BtnConsole", 72, 13, 50, 63, "button_back", 0, 0, 0, kHand | kHidden},
            {"BeginB", TKind::Image, "BtnConsole", 136, 13, 51, 63, "button_begin", 0, 0, 0, kHand | kHidden},
            {"BookCover", TKind::Panel, nullptr, 40, 8, 361, 505, "", 0, kWhite, 0, kHidden},
            {"CoverPic", TKind::Image, "BookCover", -1, 0, 369, 511, "cover"},
            {"LoadLabel", TKind::Label, "BookCover", 83, 401, 210, 24, "", 21, kWhite, 0, kFixedSize},
        });

    Book = Find<TPanel>(this, "Book");
    MenuGuided = Find<TImage>(this, "MenuGuided");
    TabRowPic = Find<TImage>(this, "TabRowPic");
    WidePage = Find<TPanel>(this, "WidePage");
    PageSeparator = Find<TImage>(this, "PageSeparator");
    LeftPage = Find<TPanel>(this, "LeftPage");
    RightPage = Find<TPanel>(this, "RightPage");
    MenuExit = Find<TImage>(this, "MenuExit");
    MenuLogo = Find<TImage>(this, "MenuLogo");
    MenuOptions = Find<TImage>(this, "MenuOptions");
    BackGround32 = Find<TImage>(this, "BackGround32");
    MenuRevision = Find<TImage>(this, "MenuRevision");
    MenuInfo = Find<TImage>(this, "MenuInfo");
    TitleConsole = Find<TPanel>(this, "TitleConsole");
    Title = Find<TLabel>(this, "Title");
    Image1 = Find<TImage>(this, "Image1");
    BookCover = Find<TPanel>(this, "BookCover");
    CoverPic = Find<TImage>(this, "CoverPic");
    LoadLabel = Find<TLabel>(this, "LoadLabel");
    BtnConsole = Find<TPanel>(this, "BtnConsole");
    SkipF = Find<TImage>(this, "SkipF");
    Cancel = Find<TImage>(this, "Cancel");
    Back = Find<TImage>(this, "Back");
    Next = Find<TImage>(this, "Next");
    SkipB = Find<TImage>(this, "SkipB");
    BeginB = Find<TImage>(this, "BeginB");
    ConsolePic1 = Find<TImage>(this, "ConsolePic1");
    ConsolePic2 = Find<TImage>(this, "ConsolePic2");
    Image4 = Find<TImage>(this, "Image4");

    qApp->installEventFilter(this);
    FormCreate();
}

TBookForm::~TBookForm()
{
    qApp->removeEventFilter(this);
    if (BookForm == this)
        BookForm = nullptr;
}

void TBookForm::FormCreate()
{
    LoadLabel->SetCaption(Tr("TBookForm", "Loading, please wait..."));
    // The picture buttons, named for screen readers in the player's language.
    MenuExit->MakeButton(TrQ("Pictures", "Exit")); // the word drawn on the tab
    Next->MakeButton(TrQ("TBookForm", "Next"));
    Back->MakeButton(TrQ("TBookForm", "Back"));
    Cancel->MakeButton(TrQ("TBookForm", "Cancel"));
    BeginB->MakeButton(TrQ("TBookForm", "Begin"));
    SkipF->MakeButton(TrQ("TBookForm", "Skip forward"));
    SkipB->MakeButton(TrQ("TBookForm", "Skip back"));
    // The window is exactly the book: the client area takes the book's size and the book and the
    // cover are centred in it (the book at 0,0; the cover at 208,12).
    setFixedSize(Book->width(), Book->height());
    Book->move((width() - Book->width()) / 2, (height() - Book->height()) / 2);
    BookCover->move((width() - BookCover->width()) / 2, (height() - BookCover->height()) / 2);
    SetConsoleStyle(0);
}

void TBookForm::SetLayout(std::uint8_t Layout)
{
    switch (Layout) {
    case 0:
        Book->hide();
        BookCover->show();
        break;
    case 1:
        Book->show();
        BookCover->hide();
        WidePage->show();
        LeftPage->hide();
        RightPage->hide();
        PageSeparator->hide();
        break;
    case 2:
        Book->show();
        BookCover->hide();
        WidePage->hide();
        LeftPage->show();
        RightPage->show();
        PageSeparator->show();
        break;
    default:
        break;
    }
}

void TBookForm::SetConsoleButtons(std::uint8_t Mask)
{
    ConsoleButtons = Mask;
    BtnConsole->setVisible(Mask != 0);
    Next->setVisible(Mask & 2);
    Back->setVisible(Mask & 4);
    BeginB->setVisible(Mask & 1);
    Cancel->setVisible(Mask & 8);
    SkipF->setVisible(Mask & 16);
    SkipB->setVisible(Mask & 32);
}

void TBookForm::SetConsoleStyle(std::uint8_t Style)
{
    ConsoleStyle = Style;
    // The style shown is the background picture that is not sent to the back; buttons stay in front.
    if (Style == 1)
        ConsolePic1->lower();
    else
        ConsolePic2->lower();
}

void TBookForm::KeyDown(std::uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_TAB && Shift == ssCtrl) {
        Key = 0;
        if (OnCtrlTab)
            OnCtrlTab(this);
        return;
    }
    if (Key == VK_TAB && Shift == (ssCtrl | ssShift)) {
        Key = 0;
        if (OnCtrlShiftTab)
            OnCtrlShiftTab(this);
        return;
    }
    if (Key == kSpeechKey && Shift == 0) {
        Key = 0;
        ToggleSpeech();
        return;
    }
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TBookForm::KeyPress(char& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

std::uint16_t VirtualKeyOf(int k)
{
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))
        return static_cast<std::uint16_t>(k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return static_cast<std::uint16_t>(VK_F1 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        return 0;
    }
}

TShiftState ShiftOf(Qt::KeyboardModifiers m)
{
    TShiftState s = 0;
    if (m & Qt::ShiftModifier)
        s |= ssShift;
    if (m & Qt::AltModifier)
        s |= ssAlt;
    if (m & Qt::ControlModifier)
        s |= ssCtrl;
    return s;
}

bool TBookForm::PreviewKey(QKeyEvent* e, bool fromOverride)
{
    std::uint16_t key = VirtualKeyOf(e->key());
    const TShiftState shift = ShiftOf(e->modifiers());
    const int id = e->key() ^ (int(e->modifiers()) << 1);
    if (fromOverride) {
        // Only combinations that could be shortcuts (Alt, Ctrl) are previewed at this stage, so that
        // the view sees Alt+N before a mnemonic could take it.
        if (!(shift & (ssAlt | ssCtrl)) || key == 0)
            return false;
        previewedKey_ = id;
        KeyDown(key, shift);
        if (key == 0) {
            swallowPress_ = true;
            e->accept();
            return true;
        }
        return false;
    }
    // The key press itself.
    if (previewedKey_ == id) {
        previewedKey_ = 0;
        if (swallowPress_) {
            swallowPress_ = false;
            return true;
        }
    } else if (key != 0) {
        KeyDown(key, shift);
        if (key == 0)
            return true;
    }
    const QString text = e->text();
    if (text.size() == 1) {
        const QChar c = text.at(0);
        char ch = static_cast<char>(CharToCp1252(c));
        if (ch != 0) {
            KeyPress(ch);
            if (ch == 0)
                return true;
        }
    }
    return false;
}

bool TBookForm::PreviewCommit(QInputMethodEvent* e)
{
    const QString commit = e->commitString();
    if (commit.isEmpty())
        return false;
    // A dead key or a compose sequence arrives as the character it composed. Each one is offered to
    // the handlers like a typed character; what they zero, and what the code page cannot hold, does
    // not reach the focused control.
    QString rest;
    for (const QChar c : commit.normalized(QString::NormalizationForm_C)) {
        char ch = static_cast<char>(CharToCp1252(c));
        if (ch == 0)
            continue;
        KeyPress(ch);
        if (ch != 0)
            rest.append(c);
    }
    if (rest == commit)
        return false;
    if (rest.isEmpty() && e->preeditString().isEmpty())
        return true;
    e->setCommitString(rest, e->replacementStart(), e->replacementLength());
    return false;
}

bool TBookForm::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::InputMethodQuery || e->type() == QEvent::InputMethod) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || w->window() != this)
            return false;
        if (e->type() == QEvent::InputMethodQuery) {
            // Every control of the book takes composed characters, whether or not it edits text, so
            // that dead keys work in the games: the desktop only composes for controls that say so.
            auto* query = static_cast<QInputMethodQueryEvent*>(e);
            if (query->queries() != Qt::ImEnabled)
                return false;
            query->setValue(Qt::ImEnabled, true);
            query->accept();
            return true;
        }
        return PreviewCommit(static_cast<QInputMethodEvent*>(e));
    }
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride)
        return false;
    // Each key event is previewed once, at the first widget of this window that it reaches.
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this)
        return false;
    auto* ke = static_cast<QKeyEvent*>(e);
    static const QEvent* lastEvent = nullptr;
    static QEvent::Type lastType = QEvent::None;
    static quint64 lastStamp = 0;
    if (lastEvent == e && lastType == e->type() && lastStamp == ke->timestamp())
        return false;
    lastEvent = e;
    lastType = e->type();
    lastStamp = ke->timestamp();
    return PreviewKey(ke, e->type() == QEvent::ShortcutOverride);
}

void TBookForm::closeEvent(QCloseEvent* e)
{
    bool cancel = false;
    if (OnClose)
        OnClose(this, cancel);
    if (cancel) {
        e->ignore();
        return;
    }
    e->accept();
    // The main window closing tells the application to terminate: every running loop ends.
    Platform::Pump().Terminate();
}

void TBookForm::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    Recentre();
}

void TBookForm::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState)
        Recentre();
}

void TBookForm::Recentre()
{
    const int sw = Platform::Screen().Width();
    const int sh = Platform::Screen().Height();
    const QSize outer = frameGeometry().size();
    move((sw - outer.width()) / 2, (sh - outer.height()) / 2);
}

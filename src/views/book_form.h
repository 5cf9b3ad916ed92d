#pragma once
#include "controls.h"
#include "keys.h"

#include <QWidget>
#include <cstdint>
#include <functional>

// The main window, drawn as an open book. It owns the page panels on which views place borrowed
// controls, the title strip, the tab row and the console of picture buttons; it switches layouts,
// shows a chosen set of console buttons and hands every key to the current view's handlers first.
class TBookForm : public QWidget {
    Q_OBJECT

  public:
    TBookForm();
    ~TBookForm() override;

    // 0 cover, 1 one wide page, 2 two pages; other values change nothing.
    void SetLayout(std::uint8_t Layout);
    // Bit mask: 1 BeginB, 2 Next, 4 Back, 8 Cancel, 16 SkipF, 32 SkipB.
    void SetConsoleButtons(std::uint8_t Mask);
    void SetConsoleStyle(std::uint8_t Style);

    std::uint8_t ConsoleButtons = 0;
    std::uint8_t ConsoleStyle = 0;
    std::function<void(QObject* Sender)> OnCtrlTab;
    std::function<void(QObject* Sender)> OnCtrlShiftTab;

    // The window's key handlers, set by the view that is shown.
    std::function<void(QObject* Sender, std::uint16_t& Key, TShiftState Shift)> OnKeyDown;
    std::function<void(QObject* Sender, char& Key)> OnKeyPress;
    // The close handler: set Cancel to refuse the close.
    std::function<void(QObject* Sender, bool& Cancel)> OnClose;

    // The window's own key processing, as the key preview runs it (tests call these directly too).
    void KeyDown(std::uint16_t& Key, TShiftState Shift);
    void KeyPress(char& Key);

    // Components.
    TPanel* Book;
    TImage* MenuGuided;
    TImage* TabRowPic;
    TPanel* WidePage;
    TImage* PageSeparator;
    TPanel* LeftPage;
    TPanel* RightPage;
    TImage* MenuExit;
    TImage* MenuLogo;
    TImage* MenuOptions;
    TImage* BackGround32;
    TImage* MenuRevision;
    TImage* MenuInfo;
    TPanel* TitleConsole;
    TLabel* Title;
    TImage* Image1;
    TPanel* BookCover;
    TImage* CoverPic;
    TLabel* LoadLabel;
    TPanel* BtnConsole;
    TImage* SkipF;
    TImage* Cancel;
    TImage* Back;
    TImage* Next;
    TImage* SkipB;
    TImage* BeginB;
    TImage* ConsolePic1;
    TImage* ConsolePic2;
    TImage* Image4;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void FormCreate();
    void Recentre();
    bool PreviewKey(QKeyEvent* e, bool fromOverride);
    bool PreviewCommit(QInputMethodEvent* e);

    // A key taken at its shortcut-override stage is not run through the handlers again on its press.
    int previewedKey_ = 0;
    bool swallowPress_ = false;
};

extern TBookForm* BookForm;

// The key that turns speaking the game on and off, on every page.
inline constexpr std::uint16_t kSpeechKey = VK_F1 + 1; // F2

// Translations between Qt's key events and the program's key codes (exposed for tests).
std::uint16_t VirtualKeyOf(int qtKey);
TShiftState ShiftOf(Qt::KeyboardModifiers m);

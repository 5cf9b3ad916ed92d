#include "view_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using BookFormTest = ViewTest;

int StackIndex(QWidget* w)
{
    return w->parentWidget()->children().indexOf(w);
}

TEST_F(BookFormTest, WindowIsTheBookWithTheCoverCentred)
{
    EXPECT_EQ(form->size(), QSize(777, 529));
    EXPECT_EQ(form->Book->pos(), QPoint(0, 0));
    EXPECT_EQ(form->BookCover->pos(), QPoint(208, 12));
    EXPECT_EQ(form->LoadLabel->text(), "Loading, please wait...");
    EXPECT_EQ(form->ConsoleStyle, 0);
}

TEST_F(BookFormTest, LayoutsShowTheirPanelsAndOtherValuesChangeNothing)
{
    struct Row {
        int layout;
        bool book, cover, wide, left;
    };
    form->SetLayout(2);
    for (const Row r : {Row{1, true, false, true, false}, Row{2, true, false, false, true}}) {
        form->SetLayout(static_cast<std::uint8_t>(r.layout));
        EXPECT_EQ(!form->Book->isHidden(), r.book) << r.layout;
        EXPECT_EQ(!form->BookCover->isHidden(), r.cover) << r.layout;
        EXPECT_EQ(!form->WidePage->isHidden(), r.wide) << r.layout;
        EXPECT_EQ(!form->LeftPage->isHidden(), r.left) << r.layout;
        EXPECT_EQ(!form->RightPage->isHidden(), r.left) << r.layout;
        EXPECT_EQ(!form->PageSeparator->isHidden(), r.left) << r.layout;
    }
    form->SetLayout(3);
    EXPECT_FALSE(form->LeftPage->isHidden());
    EXPECT_TRUE(form->WidePage->isHidden());
    // The cover hides only the book; the pages keep their own state.
    form->SetLayout(0);
    EXPECT_TRUE(form->Book->isHidden());
    EXPECT_FALSE(form->BookCover->isHidden());
    EXPECT_FALSE(form->LeftPage->isHidden());
    EXPECT_TRUE(form->WidePage->isHidden());
}

TEST_F(BookFormTest, ConsoleMaskShowsExactlyItsButtons)
{
    struct Row {
        int mask;
        bool console, begin, next, back, cancel, skipF, skipB;
    };
    const Row rows[] = {
        {0, false, false, false, false, false, false, false},
        {10, true, false, true, false, true, false, false},
        {63, true, true, true, true, true, true, true},
        {64, true, false, false, false, false, false, false}, // bits above 32 show no button
        {8, true, false, false, false, true, false, false},
    };
    for (const Row& r : rows) {
        form->SetConsoleButtons(static_cast<std::uint8_t>(r.mask));
        EXPECT_EQ(form->ConsoleButtons, r.mask);
        EXPECT_EQ(!form->BtnConsole->isHidden(), r.console) << r.mask;
        EXPECT_EQ(!form->BeginB->isHidden(), r.begin) << r.mask;
        EXPECT_EQ(!form->Next->isHidden(), r.next) << r.mask;
        EXPECT_EQ(!form->Back->isHidden(), r.back) << r.mask;
        EXPECT_EQ(!form->Cancel->isHidden(), r.cancel) << r.mask;
        EXPECT_EQ(!form->SkipF->isHidden(), r.skipF) << r.mask;
        EXPECT_EQ(!form->SkipB->isHidden(), r.skipB) << r.mask;
    }
}

TEST_F(BookFormTest, ConsoleStyleChoosesTheBackgroundAndButtonsStayInFront)
{
    form->SetConsoleStyle(1);
    EXPECT_GT(StackIndex(form->ConsolePic2), StackIndex(form->ConsolePic1));
    form->SetConsoleStyle(0);
    EXPECT_GT(StackIndex(form->ConsolePic1), StackIndex(form->ConsolePic2));
    form->SetConsoleStyle(7);
    EXPECT_EQ(form->ConsoleStyle, 7);
    EXPECT_GT(StackIndex(form->ConsolePic1), StackIndex(form->ConsolePic2));
    for (QWidget* b : {form->Next, form->Cancel, form->BeginB, form->Back, form->SkipF, form->SkipB})
        EXPECT_GT(StackIndex(b), StackIndex(form->ConsolePic1));
}

class BookKeysTest : public ViewTest {
  protected:
    BookKeysTest()
    {
        edit = new QLineEdit(form->WidePage);
        form->SetLayout(1);
        form->show();
        QApplication::setActiveWindow(form.get());
        edit->setFocus();
        form->OnKeyDown = [this](QObject*, std::uint16_t& key, TShiftState shift) {
            // Modifier keys arrive as keys of their own, as on the original platform; not counted here.
            if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU)
                return;
            downs.push_back({key, shift});
            if (key == consumeDown)
                key = 0;
        };
        form->OnKeyPress = [this](QObject*, char& key) {
            presses.push_back(key);
            if (key == consumePress)
                key = 0;
        };
    }
    struct Down {
        std::uint16_t key;
        TShiftState shift;
    };
    QLineEdit* edit;
    std::vector<Down> downs;
    std::string presses;
    std::uint16_t consumeDown = 0xffff;
    char consumePress = '\xff';
};

TEST_F(BookKeysTest, KeysReachTheViewHandlersBeforeTheFocusedControl)
{
    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, 'B', Qt::ShiftModifier);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].key, 65);
    EXPECT_EQ(downs[0].shift, 0u);
    EXPECT_EQ(downs[1].key, 66);
    EXPECT_EQ(downs[1].shift, ssShift);
    EXPECT_EQ(presses, "aB");
    EXPECT_EQ(edit->text(), "aB");
    consumePress = 'c';
    QTest::keyClick(edit, Qt::Key_C);
    EXPECT_EQ(edit->text(), "aB"); // a zeroed key never reaches the control
}

TEST_F(BookKeysTest, EnterEscapeAndBackspaceArriveAsTheirCodes)
{
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(edit, Qt::Key_Backspace);
    ASSERT_EQ(downs.size(), 3u);
    EXPECT_EQ(downs[0].key, VK_RETURN);
    EXPECT_EQ(downs[1].key, VK_ESCAPE);
    EXPECT_EQ(downs[2].key, VK_BACK);
    EXPECT_EQ(presses, std::string("\r\x1b\b"));
}

TEST_F(BookKeysTest, CtrlTabGoesOnlyToItsHooks)
{
    int tabs = 0, backTabs = 0;
    form->OnCtrlTab = [&](QObject*) { ++tabs; };
    form->OnCtrlShiftTab = [&](QObject*) { ++backTabs; };
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs, 1);
    EXPECT_EQ(backTabs, 1);
    EXPECT_TRUE(downs.empty());
    // Without hooks the combinations still never reach the view.
    form->OnCtrlTab = nullptr;
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(downs.empty());
    // Plain Tab is passed on unchanged.
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].key, VK_TAB);
    EXPECT_EQ(downs[0].shift, 0u);
}

TEST_F(BookKeysTest, AnAltCombinationTakenByTheViewDoesNotClickAMnemonic)
{
    auto* button = new QPushButton("&Next", form->WidePage);
    button->show();
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    consumeDown = 'N';
    QTest::keyClick(edit, Qt::Key_N, Qt::AltModifier);
    QTest::qWait(300); // a mnemonic clicks on a short delay
    EXPECT_EQ(clicks, 0);
    ASSERT_EQ(downs.size(), 1u); // seen once, not again at the key press
    EXPECT_EQ(downs[0].shift, ssAlt);
    // Not taken: the mnemonic clicks the button.
    consumeDown = 0xffff;
    QTest::keyClick(edit, Qt::Key_N, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_EQ(clicks, 1);
}

TEST_F(BookKeysTest, ClosingAsksTheCloseHandlerAndTerminatesOnlyWhenAllowed)
{
    bool refuse = true;
    form->OnClose = [&](QObject*, bool& cancel) { cancel = refuse; };
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(platform.pump->terminated);
    refuse = false;
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(platform.pump->terminated);
}

TEST_F(BookKeysTest, KeyCodesOfQtKeys)
{
    const std::pair<int, int> rows[] = {{Qt::Key_A, 65},     {Qt::Key_Z, 90},      {Qt::Key_0, 48},
                                        {Qt::Key_Enter, 13}, {Qt::Key_Space, 32},  {Qt::Key_Left, 37},
                                        {Qt::Key_F1, 112},   {Qt::Key_Backtab, 9}, {Qt::Key_Delete, 46},
                                        {Qt::Key_unknown, 0}};
    for (auto [qt, vk] : rows)
        EXPECT_EQ(VirtualKeyOf(qt), vk) << qt;
    EXPECT_EQ(ShiftOf(Qt::ShiftModifier | Qt::ControlModifier), ssShift | ssCtrl);
}

} // namespace

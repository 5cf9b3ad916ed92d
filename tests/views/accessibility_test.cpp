#include "book_form.h"
#include "controls.h"
#include "games_view.h"
#include "speech_service.h"
#include "view_fixture.h"

#include <QAccessible>
#include <QTest>

namespace {

using AccessibilityTest = ViewTest;

QStringList ChildNames(QObject* object)
{
    QStringList names;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        names << child->object()->objectName();
        EXPECT_EQ(iface->indexOfChild(child), i);
    }
    return names;
}

TEST_F(AccessibilityTest, APanelExposesOnlyTheChildrenShownOnIt)
{
    TPanel panel;
    panel.setGeometry(0, 0, 200, 100);
    const struct {
        const char* name;
        QRect place;
        bool hidden;
        bool shape;
        bool exposed;
    } rows[] = {
        {"shown", {10, 10, 50, 20}, false, false, true},
        {"hidden", {10, 40, 50, 20}, true, false, false},
        {"below", {10, 110, 50, 20}, false, false, false},
        {"mostlyBelow", {10, 90, 50, 40}, false, false, false},
        {"halfOn", {150, 80, 100, 40}, false, false, true},
        {"decoration", {10, 10, 20, 20}, false, true, false},
    };
    QStringList expected;
    for (const auto& row : rows) {
        QWidget* child = row.shape ? static_cast<QWidget*>(new TShape(&panel)) : new TLabel(&panel);
        child->setObjectName(row.name);
        child->setGeometry(row.place);
        child->setVisible(!row.hidden);
        if (row.exposed)
            expected << row.name;
    }
    EXPECT_EQ(ChildNames(&panel), expected);
}

TEST_F(AccessibilityTest, APictureButtonIsANamedButtonPressedByItsActionOrByKeys)
{
    TImage picture;
    int clicks = 0;
    picture.OnClick = [&clicks](QObject*) { ++clicks; };
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&picture);
    EXPECT_EQ(iface->role(), QAccessible::Graphic);
    EXPECT_FALSE(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(picture.focusPolicy(), Qt::NoFocus);

    picture.MakeButton("Exit");
    EXPECT_EQ(iface->role(), QAccessible::Button);
    EXPECT_EQ(iface->text(QAccessible::Name), "Exit");
    EXPECT_TRUE(iface->state().focusable);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(&picture, key);
    QTest::keyClick(&picture, Qt::Key_A);
    EXPECT_EQ(clicks, 4);
}

TEST_F(AccessibilityTest, TheWindowNamesItsPictureButtonsAndHidesWhatIsHidden)
{
    form->SetLayout(2);
    form->SetConsoleButtons(8); // Cancel only
    const QStringList book = ChildNames(form->Book);
    EXPECT_TRUE(book.contains("MenuExit"));
    EXPECT_FALSE(book.contains("MenuInfo")) << "a hidden tab";
    EXPECT_FALSE(ChildNames(form.get()).contains("BookCover"));
    const QStringList console = ChildNames(form->BtnConsole);
    EXPECT_EQ(console, QStringList{"Cancel"});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Cancel)->text(QAccessible::Name), "Cancel");
    EXPECT_EQ(form->MenuExit->accessibleName(), "Exit");
}

TEST_F(AccessibilityTest, APaintBoxIsACanvasDescribedOnDemand)
{
    TPaintBox box;
    box.setAccessibleName("Bubbles");
    QString rules = "first rules";
    box.OnDescribe = [&rules] { return rules; };
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&box);
    EXPECT_EQ(iface->role(), QAccessible::Canvas);
    EXPECT_EQ(iface->text(QAccessible::Name), "Bubbles");
    rules = "later rules";
    EXPECT_EQ(iface->text(QAccessible::Description), "later rules");
}

TEST_F(AccessibilityTest, TheSpeechKeyTurnsSpeechOnAndOffAndSaysSo)
{
    EXPECT_FALSE(SpeechOn());
    for (int press = 0; press < 2; ++press) {
        std::uint16_t key = kSpeechKey;
        form->KeyDown(key, 0);
        EXPECT_EQ(key, 0);
    }
    EXPECT_FALSE(SpeechOn());
    EXPECT_EQ(platform.speech->said, (std::vector<std::string>{"Speech on.", "Speech off."}));
    Speak("unheard");
    EXPECT_EQ(platform.speech->said.size(), 2u);
}

TEST_F(AccessibilityTest, CtrlQOnTheMenuAsksTheWindowToCloseAsTheExitTabDoes)
{
    TGamesView games;
    int exits = 0;
    form->MenuExit->OnClick = [&exits](QObject*) { ++exits; };
    games.Open();
    std::uint16_t key = 'Q';
    games.KeyDown(nullptr, key, ssCtrl);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(exits, 1);
    key = 'Q';
    games.KeyDown(nullptr, key, 0);
    EXPECT_EQ(exits, 1);
    bool cancel = false;
    games.Close(cancel);
}

} // namespace

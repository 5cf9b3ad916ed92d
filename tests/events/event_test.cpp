#include "book_form.h"
#include "event.h"
#include "events_stg.h"
#include "game_harness.h"
#include "sounds.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Entries = std::vector<std::string>;

class EventTest : public testing::Test {
  protected:
    EventTest() { RegisterSound(1, "Click.wav"); }
    // Opens the event as Run does, without running its message loop.
    std::unique_ptr<TEvent> Shown(bool cancelAllowed = true, bool nextAllowed = true)
    {
        auto ev = std::make_unique<TEvent>("Event=Test;0");
        ev->CancelAllowed = cancelAllowed;
        ev->NextAllowed = nextAllowed;
        EXPECT_FALSE(ev->Open());
        return ev;
    }
    int Clicks() const
    {
        const std::vector<std::string> played = world.SoundsPlayed();
        return static_cast<int>(std::count(played.begin(), played.end(), "Click.wav"));
    }
    GameWorld world;
};

TEST_F(EventTest, DescriptionsSplitIntoEntriesAndTheSourceEntryIsCopied)
{
    struct Row {
        std::string description;
        Entries entries;
        std::optional<std::string> eventText;
    };
    const std::string longName(240, 'w');
    const Row rows[] = {
        {"Event=Bubbles;0", {"Event", "Bubbles", "0"}, std::nullopt},
        {"Event=Tris;0;animals.vcb", {"Event", "Tris", "0", "animals.vcb"}, "animals.vcb"},
        {"Event=Tris;0;;=animals.vcb;", {"Event", "Tris", "0", "animals.vcb"}, "animals.vcb"},
        {"Event=Clouds;0;a%;b.vcb;True", {"Event", "Clouds", "0", "a;b.vcb", "True"}, "a;b.vcb"},
        {";;Event==x%=y;", {"Event", "x=y"}, std::nullopt},
        // The description is a short string: whatever lies past 255 characters is lost.
        {"Event=Tris;0;" + longName + ".vcb;True", {"Event", "Tris", "0", longName + ".v"}, longName + ".v"},
    };
    for (const Row& row : rows) {
        TEvent ev(row.description);
        EXPECT_EQ(ev.Entries, row.entries) << row.description;
        EXPECT_FALSE(ev.Prepare());
        EXPECT_EQ(ev.EventText, row.eventText) << row.description;
    }
}

TEST_F(EventTest, ConsoleShowsTheButtonsTheAllowedFlagsPermit)
{
    struct Row {
        bool cancel, next;
        std::uint8_t mask;
    };
    for (const Row& row :
         {Row{true, true, 10}, Row{true, false, 8}, Row{false, true, 2}, Row{false, false, 2}}) {
        auto ev = Shown(row.cancel, row.next);
        EXPECT_EQ(BookForm->ConsoleButtons, row.mask);
        EXPECT_FALSE(BookForm->BtnConsole->isHidden());
        EXPECT_EQ(!BookForm->Cancel->isHidden(), (row.mask & 8) != 0);
        EXPECT_EQ(!BookForm->Next->isHidden(), (row.mask & 2) != 0);
        EXPECT_FALSE(BookForm->WidePage->isHidden());
        EXPECT_TRUE(BookForm->LeftPage->isHidden());
        bool cancel = false;
        ev->Close(cancel);
    }
}

// Keys through the main window's key preview, by the event's state and allowed flags.
TEST_F(EventTest, ConsoleKeysCloseTheEventWithTheCodeOfTheirButton)
{
    struct Row {
        const char* what;
        int key;
        Qt::KeyboardModifiers mods;
        std::uint8_t state;
        bool nextAllowed;
        std::int32_t result; // 0: the event stays open
        int clicks;
    };
    const Row rows[] = {
        {"Esc before the end", Qt::Key_Escape, Qt::NoModifier, 1, false, 2, 1},
        {"Esc when ready", Qt::Key_Escape, Qt::NoModifier, 0, true, 2, 1},
        {"Esc after the end", Qt::Key_Escape, Qt::NoModifier, 3, false, 4, 1},
        {"Enter after the end, no Next", Qt::Key_Return, Qt::NoModifier, 3, false, 4, 1},
        {"Enter after the end with Next", Qt::Key_Return, Qt::NoModifier, 3, true, 3, 1},
        {"Enter before the end", Qt::Key_Return, Qt::NoModifier, 0, false, 0, 0},
        {"Shift+Esc", Qt::Key_Escape, Qt::ShiftModifier, 0, true, 0, 0},
        {"Alt+N", Qt::Key_N, Qt::AltModifier, 0, true, 3, 1},
        {"Alt+N without Next", Qt::Key_N, Qt::AltModifier, 3, false, 0, 1},
        {"Alt+C after the end", Qt::Key_C, Qt::AltModifier, 3, false, 4, 1},
        {"Ctrl+Alt+C", Qt::Key_C, Qt::AltModifier | Qt::ControlModifier, 0, true, 0, 0},
    };
    for (const Row& row : rows) {
        auto ev = Shown(true, row.nextAllowed);
        ev->State = row.state;
        const int before = Clicks();
        SendKey(row.key, row.mods);
        EXPECT_EQ(ev->ResultCode, row.result) << row.what;
        EXPECT_EQ(ev->Active, row.result == 0) << row.what;
        EXPECT_EQ(Clicks() - before, row.clicks) << row.what;
        bool cancel = false;
        ev->Close(cancel);
    }
}

TEST_F(EventTest, ClosingGivesTheMainWindowBackAndDetachesTheEvent)
{
    auto ev = Shown();
    ASSERT_TRUE(BookForm->Cancel->OnClick);
    ev->SetResult(3);
    EXPECT_FALSE(ev->Active);
    EXPECT_TRUE(BookForm->WidePage->isHidden());
    EXPECT_FALSE(BookForm->LeftPage->isHidden());
    EXPECT_EQ(BookForm->ConsoleButtons, 0);
    EXPECT_TRUE(BookForm->BtnConsole->isHidden());
    EXPECT_FALSE(BookForm->OnKeyDown);
    EXPECT_FALSE(BookForm->OnKeyPress);
    EXPECT_FALSE(BookForm->Next->OnClick);
    EXPECT_FALSE(BookForm->Cancel->OnClick);

    // A later close of the closed event leaves the window as the next view set it.
    BookForm->SetLayout(1);
    bool cancel = false;
    ev->Close(cancel);
    EXPECT_FALSE(BookForm->WidePage->isHidden());
}

TEST_F(EventTest, UnfinishedExerciseAsksBeforeClosingAndNoKeepsItOpen)
{
    auto ev = Shown();
    ev->State = 1;
    world.platform.dialogs->answers = {false, false, true};
    ev->ButtonClick(BookForm->Cancel);
    EXPECT_TRUE(ev->Active);
    EXPECT_EQ(ev->ResultCode, 0);
    SendKey(Qt::Key_Escape); // a second attempt asks again
    EXPECT_TRUE(ev->Active);
    ev->ButtonClick(BookForm->Cancel);
    EXPECT_FALSE(ev->Active);
    EXPECT_EQ(ev->ResultCode, 2);
    ASSERT_EQ(world.platform.dialogs->shown.size(), 3u);
    EXPECT_EQ(world.platform.dialogs->shown[0].text,
              "You haven't finished this exercise yet, proceed anyway?");
    EXPECT_EQ(world.platform.dialogs->shown[0].caption, "Keyvane");
    EXPECT_TRUE(world.platform.dialogs->shown[0].question);
}

TEST_F(EventTest, ReadyAndFinishedEventsCloseWithoutAsking)
{
    for (std::uint8_t state : {0, 3}) {
        auto ev = Shown();
        ev->State = state;
        world.platform.dialogs->answers = {false};
        ev->ButtonClick(BookForm->Cancel);
        EXPECT_FALSE(ev->Active);
    }
    EXPECT_TRUE(world.platform.dialogs->shown.empty());
}

TEST_F(EventTest, EventDestroyedWhileOpenIsClosedWithAWarningAndWithoutAQuestion)
{
    auto ev = Shown();
    ev->State = 1;
    ev.reset();
    ASSERT_EQ(world.platform.dialogs->shown.size(), 1u);
    EXPECT_EQ(world.platform.dialogs->shown[0].text, "Destroying an active view!");
    EXPECT_FALSE(BookForm->OnKeyDown);
    EXPECT_EQ(CurrentView, nullptr);
}

} // namespace

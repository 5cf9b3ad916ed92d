#include "recording_canvas.h"
#include "test_platform.h"
#include "word_view_canvas.h"

#include <gtest/gtest.h>

namespace {

const QColor kMaroon(128, 0, 0);
const QColor kLime(0, 255, 0);

class WordViewTest : public testing::Test {
  protected:
    TestPlatform platform;
};

TEST_F(WordViewTest, CursorWalksThroughCatAndTheWordIsDoneAfterItsLastPlace)
{
    struct Step {
        int cursorPos;
        bool done;
    };
    struct Case {
        bool endCursor;
        std::vector<Step> steps; // after SetWord, then after each AdvanceCursor
    };
    const std::vector<Case> cases = {
        {true, {{0, false}, {1, false}, {2, false}, {3, false}, {3, true}, {3, true}}},
        {false, {{0, false}, {1, false}, {2, false}, {2, true}, {2, true}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.endCursor ? "with the end cursor" : "without the end cursor");
        TWordViewCanvas v;
        v.AllowEndCursor = k.endCursor;
        v.RestTextColor = kLime;
        v.SetWord("cat");
        for (std::size_t i = 0; i < k.steps.size(); ++i) {
            SCOPED_TRACE(i);
            if (i > 0)
                v.AdvanceCursor();
            EXPECT_EQ(v.CursorPos, k.steps[i].cursorPos);
            EXPECT_EQ(v.CursorWord, k.steps[i].done ? 1 : 0);
            EXPECT_EQ(v.ShownWord->Color.rgb(), (k.steps[i].done ? kLime : kMaroon).rgb());
        }
    }
}

TEST_F(WordViewTest, EndMarkAndDoneWordAreDrawnAsTheDisplayShowsThem)
{
    TWordViewCanvas v;
    RecordingCanvas& r = Record(v);
    v.AllowEndCursor = true;
    v.RestTextColor = kLime;
    v.CursorTextColor = QColor(255, 255, 0);
    v.SetWord("cat");
    for (int i = 0; i < 3; ++i)
        v.AdvanceCursor();
    v.Paint();
    // The word sits at the left margin (11 at 96 dpi) below a top margin of 5; only the end mark shows.
    const int xc = 11 + WidthOf("cat", v.Font(), fsBold);
    ASSERT_EQ(r.ops.size(), 3u);
    EXPECT_EQ(r.ops[0].kind, "rect");
    EXPECT_EQ(r.ops[1].points.value(0), QPoint(xc - 2, 5 + 8));
    EXPECT_EQ(r.ops[2], Text(xc - 2, 5, "_", QColor(255, 255, 0), fsBold));

    r.ops.clear();
    v.AdvanceCursor();
    v.Paint();
    // Done: the whole word, plain, in the rest colour and without a cursor.
    EXPECT_EQ(r.ops, std::vector<CanvasOp>{Text(11, 5, "cat", kLime, 0)});
}

TEST_F(WordViewTest, MarginLeavesRoomForTheArrowAtTheScreensFontHeight)
{
    for (const auto& [ppi, margin] : {std::pair{96, 11}, std::pair{120, 14}}) {
        SCOPED_TRACE(ppi);
        platform.screen->ppi = ppi;
        TWordViewCanvas v;
        EXPECT_EQ(v.LeftMargin, margin);
        EXPECT_EQ(v.ShownWord->X, margin);
        EXPECT_EQ(v.TopMargin, 5);
        ASSERT_EQ(v.Words.size(), 1u);
        EXPECT_EQ(v.Words[0].get(), v.ShownWord);
    }
}

TEST_F(WordViewTest, LongWordsAreCutAndAnEmptyWordShowsNothingAndIsDoneAtOnce)
{
    TWordViewCanvas v;
    RecordingCanvas& r = Record(v);
    v.SetWord(std::string(80, 'w'));
    EXPECT_EQ(v.ShownWord->Text, std::string(70, 'w'));

    v.SetWord("");
    v.Paint();
    EXPECT_TRUE(r.ops.empty());
    v.AdvanceCursor();
    EXPECT_EQ(v.CursorWord, 1);
    EXPECT_EQ(v.CursorPos, 0);
}

TEST_F(WordViewTest, NewWordAfterADoneOneHasTheCursorOnItsFirstCharacterAgain)
{
    TWordViewCanvas v;
    v.SetWord("ox");
    v.AdvanceCursor();
    v.AdvanceCursor();
    ASSERT_EQ(v.CursorWord, 1);
    v.SetWord("yak");
    EXPECT_EQ(v.CursorWord, 0);
    EXPECT_EQ(v.CursorPos, 0);
    EXPECT_EQ(v.ShownWord->Text, "yak");
    EXPECT_EQ(v.ShownWord->Color.rgb(), kMaroon.rgb());
}

} // namespace

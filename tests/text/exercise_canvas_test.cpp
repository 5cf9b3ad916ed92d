#include "exercise_canvas.h"
#include "recording_canvas.h"
#include "test_platform.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kMaroon(128, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kPaleGreen(192, 220, 192);

// The arrow and its cleared background for a cursor character at xc on a line whose top is y, with
// the font 17 pixels high.
std::vector<CanvasOp> Arrow(int xc, int y, const QColor& background, const QColor& arrow)
{
    const int xr = xc - 2, xl = xr - 7, yt = y + 2, yb = y + 15, ym = y + 8;
    return {
        {"rect", QRect(xl, yt, xr + 5 - xl, yb - yt), {}, {}, {}, background.rgb(), 0},
        {"polygon", {}, QPolygon({QPoint(xr, ym), QPoint(xl, yt), QPoint(xl, yb)}), {}, {}, arrow.rgb(), 0},
    };
}

class ExerciseCanvasTest : public testing::Test {
  protected:
    TestPlatform platform;
};

TEST_F(ExerciseCanvasTest, WordsArePlacedAtNextXAndLinesAreFontHeightPlusTwoApart)
{
    TExerciseCanvas c;
    // Clearing ran before the margins were set, so the first words start at 0, not at the margin.
    EXPECT_EQ(c.AddWord("one")->X, 0);
    c.CurrentLine = 3;
    c.NextX = 40;
    const TWordInfo* w = c.AddWord(std::string(80, 'x'));
    EXPECT_EQ(w->X, 40);
    EXPECT_EQ(w->Line, 3);
    EXPECT_EQ(w->Text, std::string(70, 'x'));
    EXPECT_EQ(w->Color.rgb(), kBlack.rgb());
    EXPECT_EQ(c.LineTop(1), 2);
    EXPECT_EQ(c.LineTop(3), 2 + 2 * 19);

    c.Clear();
    EXPECT_TRUE(c.Words.empty());
    EXPECT_EQ(c.NextX, 3);
    EXPECT_EQ(c.CurrentLine, 1);
}

TEST_F(ExerciseCanvasTest, DrawingFontKeepsTheTextsPixelSizeOnDenserScreens)
{
    struct Case {
        int ppi, size, pixels;
    };
    for (const Case& k : {Case{96, 13, 17}, Case{120, 10, 17}, Case{144, 9, 18}, Case{72, 17, 17}}) {
        SCOPED_TRACE(k.ppi);
        platform.screen->ppi = k.ppi;
        TExerciseCanvas c;
        EXPECT_EQ(c.Font().Size, 13);
        EXPECT_EQ(c.Canvas->Font.Size, k.size);
        EXPECT_EQ(c.Canvas->Font.PixelHeight(k.ppi), k.pixels);
        EXPECT_EQ(c.LineTop(2), k.pixels + 2 + 2);
    }
}

TEST_F(ExerciseCanvasTest, CursorWordHidesTheTypedPartBehindTheArrow)
{
    struct Case {
        int pos;
        std::string cursorChar; // "" for the end mark
    };
    constexpr int x = 20, y = 2;
    for (const Case& k : {Case{0, "c"}, Case{1, "a"}, Case{2, "t"}, Case{3, ""}}) {
        SCOPED_TRACE(k.pos);
        TExerciseCanvas c;
        RecordingCanvas& r = Record(c);
        c.NextX = x;
        c.AddWord("cat");
        c.ShowCursor = true;
        c.CursorPos = k.pos;
        c.DrawWord(0);

        // On a fresh canvas the typed part is measured in the bold drawing font.
        const int xc = x + WidthOf(std::string("cat").substr(0, k.pos), c.Font(), fsBold);
        std::vector<CanvasOp> expected = Arrow(xc, y, kWhite, kPaleGreen);
        if (k.cursorChar.empty()) {
            // Past the end: the end mark at the arrow's tip, in the font as it was.
            expected.push_back(Text(xc - 2, y, "_", kMaroon, fsBold));
        } else {
            expected.push_back(Text(xc, y, k.cursorChar, kMaroon, fsUnderline));
            const std::string rest = std::string("cat").substr(k.pos + 1);
            if (!rest.empty())
                expected.push_back(Text(xc + WidthOf(k.cursorChar, c.Font(), 0), y, rest, kBlack, 0));
        }
        EXPECT_EQ(r.ops, expected);
        EXPECT_EQ(c.Canvas->Font.Style, 0u);
    }
}

TEST_F(ExerciseCanvasTest, AfterTheFirstCursorDrawingEveryWordIsDrawnPlainUntilTheFontChanges)
{
    TExerciseCanvas c;
    RecordingCanvas& r = Record(c);
    c.NextX = 5;
    c.AddWord("dog");
    c.AddWord("cat");
    c.CurrentLine = 2;
    c.AddWord("pig");
    c.CursorWord = 1;
    c.ShowCursor = true;

    c.Paint();
    ASSERT_EQ(r.ops.size(), 6u);
    EXPECT_EQ(r.ops[0], Text(5, 2, "dog", kBlack, fsBold));
    EXPECT_EQ(r.ops[5], Text(5, 21, "pig", kBlack, 0));

    r.ops.clear();
    c.Paint();
    ASSERT_FALSE(r.ops.empty());
    EXPECT_EQ(r.ops[0], Text(5, 2, "dog", kBlack, 0));

    // A font change copies the control's font again: bold, and the cursor word takes its colour.
    c.SetFontColor(QColor(0, 0, 255));
    EXPECT_EQ(c.Words[1]->Color.rgb(), QColor(0, 0, 255).rgb());
    EXPECT_EQ(c.Words[0]->Color.rgb(), kBlack.rgb());
    r.ops.clear();
    c.Paint();
    ASSERT_FALSE(r.ops.empty());
    EXPECT_EQ(r.ops[0], Text(5, 2, "dog", kBlack, fsBold));
}

TEST_F(ExerciseCanvasTest, WhiteAndEmptyWordsAreNeverDrawn)
{
    TExerciseCanvas c;
    RecordingCanvas& r = Record(c);
    c.Color = kBlack; // white text would show on black, but a white word means "not drawn"
    c.AddWord("ghost")->Color = kWhite;
    c.AddWord("");
    c.AddWord("seen");
    c.CursorWord = 1;
    c.ShowCursor = true;
    c.Paint();
    c.DrawWord(7);
    c.DrawWord(-1);
    ASSERT_EQ(r.ops.size(), 1u);
    EXPECT_EQ(r.ops[0].text, "seen");
}

TEST_F(ExerciseCanvasTest, PaintingShowsArrowCursorCharacterAndRestOnTheControl)
{
    TExerciseCanvas c;
    c.resize(120, 30);
    c.NextX = 20;
    c.AddWord("mom");
    c.ShowCursor = true;
    c.CursorPos = 1;
    c.CursorTextColor = QColor(255, 0, 0);
    c.RestTextColor = QColor(0, 0, 255);
    c.ArrowColor = QColor(0, 200, 0);
    const QImage shot = c.grab().toImage().convertToFormat(QImage::Format_RGB32);

    const int xc = 20 + WidthOf("m", c.Font(), fsBold);
    // Inside the triangle, left of its tip.
    EXPECT_EQ(QColor(shot.pixel(xc - 6, 10)).rgb(), c.ArrowColor.rgb());
    const auto count = [&](int x0, int x1, auto test) {
        int n = 0;
        for (int px = x0; px < x1; ++px)
            for (int py = 0; py < shot.height(); ++py)
                n += test(QColor(shot.pixel(px, py)));
        return n;
    };
    const int wo = WidthOf("o", c.Font(), 0);
    const auto reddish = [](const QColor& q) { return q.red() > 200 && q.green() < 120 && q.blue() < 120; };
    const auto bluish = [](const QColor& q) { return q.blue() > 200 && q.red() < 120 && q.green() < 120; };
    EXPECT_GT(count(xc, xc + wo, reddish), 10);
    EXPECT_EQ(count(xc, xc + wo, bluish), 0);
    EXPECT_GT(count(xc + wo, 120, bluish), 10);
    // The typed "m" is not drawn: nothing left of the arrow but the background.
    EXPECT_EQ(count(0, xc - 2 - 7, [](const QColor& q) { return q.rgb() != qRgb(255, 255, 255); }), 0);
}

} // namespace

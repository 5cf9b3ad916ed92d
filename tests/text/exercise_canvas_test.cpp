#include "exercise_canvas.h"
#include "test_platform.h"

#include <gtest/gtest.h>

namespace {

std::string At(int x, int y)
{
    return std::to_string(x) + "," + std::to_string(y) + " ";
}

// A drawing surface that lists what was drawn: "rect x,y wxh", "polygon x,y x,y x,y" or
// "text x,y 'text' #rrggbb style".
class RecordingCanvas : public TCanvas {
  public:
    void FillRect(const QRect& r, const QColor&) override
    {
        ops.push_back("rect " + At(r.x(), r.y()) + std::to_string(r.width()) + "x" +
                      std::to_string(r.height()));
    }
    void FillPolygon(const QPolygon& p, const QColor&) override
    {
        ops.push_back("polygon " + At(p[0].x(), p[0].y()) + At(p[1].x(), p[1].y()) + At(p[2].x(), p[2].y()));
    }
    void TextOut(int x, int y, const std::string& text, const QColor& c) override
    {
        ops.push_back("text " + At(x, y) + "'" + text + "' " + c.name().toStdString() + " " +
                      std::to_string(Font.Style));
    }
    std::vector<std::string> ops;
};

RecordingCanvas& Record(TExerciseCanvas& canvas)
{
    canvas.Canvas = std::make_unique<RecordingCanvas>();
    canvas.FontChanged();
    return static_cast<RecordingCanvas&>(*canvas.Canvas);
}

int WidthOf(const std::string& text, const TExerciseCanvas& canvas, TFontStyles style)
{
    TCanvas measure;
    measure.Font = canvas.Font();
    measure.Font.Style = style;
    return measure.TextWidth(text);
}

TEST(ExerciseCanvas, DrawingFontKeepsTheTextsPixelSizeOnDenserScreens)
{
    TestPlatform platform;
    struct Case {
        int ppi, size, pixels;
    };
    for (const Case& k : {Case{96, 13, 17}, Case{120, 10, 17}, Case{144, 9, 18}}) {
        platform.screen->ppi = k.ppi;
        TExerciseCanvas c;
        EXPECT_EQ(c.Canvas->Font.Size, k.size) << k.ppi;
        EXPECT_EQ(c.LineTop(3), 2 * (k.pixels + 2) + 2) << k.ppi;
    }
}

// "cat" at x 20 on line 1 (top 2) with the cursor on each place; the font is 17 pixels high.
TEST(ExerciseCanvas, CursorWordHidesTheTypedPartBehindTheArrowAndUnderlinesTheNextCharacter)
{
    TestPlatform platform;
    for (int pos = 0; pos <= 3; ++pos) {
        TExerciseCanvas c;
        RecordingCanvas& r = Record(c);
        c.NextX = 20;
        c.AddWord("cat");
        c.ShowCursor = true;
        c.CursorPos = pos;
        c.DrawWord(0);
        // On a fresh canvas the typed part is measured in the bold drawing font.
        const int xc = 20 + WidthOf(std::string("cat", pos), c, fsBold);
        const int xr = xc - 2, xl = xr - 7;
        std::vector<std::string> expected = {"rect " + At(xl, 4) + std::to_string(xr + 5 - xl) + "x13",
                                             "polygon " + At(xr, 10) + At(xl, 4) + At(xl, 17)};
        if (pos == 3) {
            expected.push_back("text " + At(xc - 2, 2) + "'_' #800000 1"); // the end mark, still bold
        } else {
            const std::string ch(1, "cat"[pos]);
            expected.push_back("text " + At(xc, 2) + "'" + ch + "' #800000 4"); // underlined only
            if (pos < 2)
                expected.push_back("text " + At(xc + WidthOf(ch, c, 0), 2) + "'" +
                                   std::string("cat").substr(pos + 1) + "' #000000 0");
        }
        EXPECT_EQ(r.ops, expected) << pos;
    }
}

TEST(ExerciseCanvas, AfterTheFirstCursorWordAllTextIsPlainUntilTheFontChangesAndWhiteWordsNeverShow)
{
    TestPlatform platform;
    TExerciseCanvas c;
    RecordingCanvas& r = Record(c);
    c.AddWord("dog");
    c.AddWord("cat");
    c.AddWord("ghost")->Color = QColor(255, 255, 255);
    c.CursorWord = 1;
    c.ShowCursor = true;
    const auto firstOp = [&] {
        r.ops.clear();
        c.Paint();
        EXPECT_EQ(r.ops.size(), 5u);
        return r.ops.empty() ? "" : r.ops.front();
    };
    EXPECT_EQ(firstOp(), "text 0,2 'dog' #000000 1");
    EXPECT_EQ(firstOp(), "text 0,2 'dog' #000000 0");
    c.SetFontSize(13);
    EXPECT_EQ(firstOp(), "text 0,2 'dog' #000000 1");
}

} // namespace

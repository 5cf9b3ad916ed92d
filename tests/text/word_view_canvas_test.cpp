#include "test_platform.h"
#include "word_view_canvas.h"

#include <gtest/gtest.h>

namespace {

// The cursor place in "cat" after SetWord and after each AdvanceCursor; -1 once the word is done.
TEST(WordView, CursorWalksThroughCatOntoTheEndMarkOnlyWhenAllowed)
{
    TestPlatform platform;
    for (const auto& [endCursor, places] : {std::pair{true, std::vector<int>{0, 1, 2, 3, -1, -1}},
                                            std::pair{false, std::vector<int>{0, 1, 2, -1}}}) {
        TWordViewCanvas v;
        v.AllowEndCursor = endCursor;
        v.RestTextColor = QColor(0, 255, 0);
        v.SetWord("cat");
        for (std::size_t i = 0; i < places.size(); ++i) {
            if (i > 0)
                v.AdvanceCursor();
            const bool done = places[i] < 0;
            EXPECT_EQ(v.CursorWord, done ? 1 : 0) << endCursor << i;
            EXPECT_EQ(v.ShownWord->Color, done ? v.RestTextColor : QColor(128, 0, 0)) << endCursor << i;
            EXPECT_EQ(v.CursorPos, done ? v.CursorPos : places[i]) << endCursor << i;
        }
        v.SetWord(std::string(80, 'w'));
        EXPECT_EQ(v.CursorWord, 0);
        EXPECT_EQ(v.CursorPos, 0);
        EXPECT_EQ(v.ShownWord->Text.size(), 70u);
        // Room for the arrow before the first character: [0.5 h] + 3 with h = 17.
        EXPECT_EQ(v.ShownWord->X, 11);
    }
}

} // namespace

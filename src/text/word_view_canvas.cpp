#include "word_view_canvas.h"

#include "short_string.h"
#include "system.h"

#include <cmath>

TWordViewCanvas::TWordViewCanvas(QWidget* Parent) : TExerciseCanvas(Parent)
{
    // Room for the cursor arrow, about 0.4 of the font height plus 2 pixels, left of the first character.
    const int h = Font().PixelHeight(Platform::Screen().PixelsPerInch());
    LeftMargin = static_cast<std::int32_t>(std::nearbyint(0.5 * h)) + 3;
    TopMargin = 5;
    NextX = LeftMargin;
    ArrowColor = QColor(0, 128, 0);
    AllowEndCursor = false;
    // An empty word draws nothing: the display stays blank until the first word arrives.
    ShownWord = AddWord("");
    ShowCursor = true;
}

void TWordViewCanvas::SetWord(const std::string& Text)
{
    ShownWord->Text = ShortString(Text, kMaxWordLength);
    ShownWord->Color = QColor(128, 0, 0);
    CursorWord = 0;
    CursorPos = 0;
    update();
}

void TWordViewCanvas::AdvanceCursor()
{
    const int length = static_cast<int>(ShownWord->Text.size());
    const int limit = AllowEndCursor ? length : length - 1;
    if (CursorPos < limit) {
        ++CursorPos;
    } else {
        // No word has index 1, so no word carries the cursor any more.
        CursorWord = 1;
        ShownWord->Color = RestTextColor;
    }
    update();
}

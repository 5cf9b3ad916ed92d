#pragma once
#include "exercise_canvas.h"

// The one-word display under the WordTris box: it shows the word to type with the typing cursor on
// the next character, hides the characters already typed, and shows the whole word in the plain
// colour once it is complete. It keeps exactly one word, refilled by every SetWord.
class TWordViewCanvas : public TExerciseCanvas {
  public:
    explicit TWordViewCanvas(QWidget* Parent = nullptr);

    // Shows Text (cut to 70 characters) with the cursor on its first character.
    void SetWord(const std::string& Text);
    // Moves the cursor one character on; at the end the word is done and shown whole in
    // RestTextColor, without a cursor.
    void AdvanceCursor();

    // The canvas's single word.
    TWordInfo* ShownWord = nullptr;
    // The cursor may stand one place past the last character (on the end mark) before the word is done.
    bool AllowEndCursor = false;
};

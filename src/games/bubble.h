#pragma once
#include <cstdint>

class QPainter;

// One bubble of the Bubbles game: a letter bubble that carries a character, or a small hollow
// decorative one. A column's bubble is reused for every bubble of that column: it cycles inactive ->
// Launch -> active (rising) -> popped or escaped -> inactive.
class Tbubble {
  public:
    // Kinds of letter bubble.
    static constexpr std::int32_t kGreen = 1;
    static constexpr std::int32_t kBlue = 2;
    static constexpr std::int32_t kRed = 3;

    // Takes the bubble off the field.
    void Deactivate();
    // Puts the bubble on the field, rising Speed pixels per step, with no character yet.
    void Launch(std::int32_t NewSpeed);
    // One step upwards (Speed x Factor pixels) with the next wobble phase; a bubble that has left the
    // top of the field becomes inactive.
    void Move(float Factor);

    // Character shown in the bubble; 0 for none.
    unsigned char Char = 0;
    bool Active = false;
    // Wobble phase 0..3, advanced by every move.
    std::int32_t Phase = 0;
    // Decorative: no character, hollow outline.
    bool IsDecor = false;
    // Diameter in pixels.
    std::int32_t Size = 40;
    std::int32_t Kind = kGreen;
    // Top left corner of the bounding square on the field; Y decreases as the bubble rises.
    std::int32_t X = 0;
    std::int32_t Y = 0;
    // Pixels per step.
    std::int32_t Speed = 0;
};

// Draws one bubble as it looks at its current wobble phase.
void DrawBubble(const Tbubble& Bubble, QPainter& Canvas);

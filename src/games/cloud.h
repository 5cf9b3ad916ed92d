#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <array>
#include <cstdint>
#include <string>

class QPainter;

// One cloud of the Clouds game, drifting from the right edge of the field to the left. A white cloud
// only passes; a stormy one turns grey and then dark and shows its word once dark; a sunny one turns
// into a bonus cloud and shows its word. The player catches a stormy or sunny cloud by typing its word.
class TCloud {
  public:
    static constexpr std::uint8_t kWhite = 0;
    static constexpr std::uint8_t kStormy = 1;
    static constexpr std::uint8_t kSunny = 2;
    // Words are cut to this many characters.
    static constexpr std::size_t kMaxWord = 50;

    TCloud();

    // The look of the cloud now: 1 white, 2 grey (stormy) or still white (sunny), 3 dark or bonus.
    int Shade() const;
    // The wider of the current picture and the word.
    int Width() const;
    // The word's line, the current picture and one pixel between them.
    int Height() const;
    // Draws the cloud onto Canvas; the word only when the cloud is dark or sunny.
    void Paint() const;
    void Paint(QPainter& p) const;

    // All of the word has been typed (never for a white cloud).
    bool Done() const;

    // Left and top edge in the field.
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::string Word;
    // 1-based position of the next character to type.
    std::int32_t TypedPos = 1;
    std::uint8_t Kind = kWhite;
    // The looks by Shade (index 1..3 at 0..2); owned by the pictures' storage form.
    std::array<const QImage*, 3> Pictures{};
    // At or left of GreyFrom the cloud shows look 2, at or left of DarkFrom look 3.
    std::int32_t GreyFrom = 0;
    std::int32_t DarkFrom = 0;
    // Tells the clouds of a game apart, for the key record's word timing.
    std::uint32_t Serial = 0;
    // This is the selected cloud; set before each paint.
    bool Highlighted = false;
    QColor TypedColour{255, 0, 0};
    QColor RestColour{255, 255, 255};
    QFont Font;
    // The field bitmap the cloud is drawn on.
    QImage* Canvas = nullptr;

  private:
    const QImage* Picture() const;
    QSize PictureSize() const;
    // The word's width and the font's line height, measured again only when the word or font changed:
    // every step moves and paints every cloud, and measuring text is the dearest part of that.
    void MeasureText() const;

    mutable std::string measuredWord_;
    mutable QFont measuredFont_;
    mutable int textWidth_ = -1;
    mutable int lineHeight_ = 0;
};

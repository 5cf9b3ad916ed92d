#pragma once
#include <QColor>
#include <QFont>
#include <QPolygon>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QPainter;

// Font styles, combined as bits.
using TFontStyles = unsigned;
inline constexpr TFontStyles fsBold = 1u << 0;
inline constexpr TFontStyles fsItalic = 1u << 1;
inline constexpr TFontStyles fsUnderline = 1u << 2;

// A font as the canvases keep it: a family name, a size in points, styles and a colour. Its pixel
// height depends on the screen's pixels per inch.
struct TCanvasFont {
    std::string Name = "Arial";
    int Size = 13;
    TFontStyles Style = 0;
    QColor Color = QColor(0, 0, 0);

    // Absolute height of the font in pixels on a screen of Ppi pixels per inch: Size * Ppi / 72,
    // rounded to the nearest pixel.
    int PixelHeight(int Ppi) const;
    QFont QtFont(int Ppi) const;
};

// The drawing surface of a canvas control: its font and the few drawing operations the canvases
// use. Painting binds it to a painter on the control; the operations are virtual so that what a
// canvas draws can be watched.
class TCanvas {
  public:
    virtual ~TCanvas() = default;

    // Width in pixels of Text in the current font.
    int TextWidth(const std::string& Text) const;
    // Fills a rectangle without outline.
    virtual void FillRect(const QRect& Rect, const QColor& Color);
    // Fills a polygon without outline.
    virtual void FillPolygon(const QPolygon& Points, const QColor& Color);
    // Draws Text in the current font with its top left corner at (X, Y), over a transparent background.
    virtual void TextOut(int X, int Y, const std::string& Text, const QColor& Color);

    TCanvasFont Font;
    int PixelsPerInch = 96;
    // The painter while the control paints; nothing is drawn without one.
    QPainter* Painter = nullptr;
};

// One separately placed word of an exercise canvas.
struct TWordInfo {
    // At most 70 characters.
    std::string Text;
    // Left edge in the control, in pixels.
    std::int32_t X = 0;
    // 1-based line number.
    std::int32_t Line = 1;
    // Colour of the word as plain text; a white word is not drawn at all.
    QColor Color = QColor(0, 0, 0);
};

// A custom-painted control that shows text as separately placed words, one of which can carry the
// typing cursor: its typed characters are hidden, an arrow points at the next character, which is
// underlined in a signal colour, and the rest of the word follows in a plain colour. The owner
// chooses the cursor word and position and asks for a repaint; the control takes no input.
class TExerciseCanvas : public QWidget {
  public:
    static constexpr std::size_t kMaxWordLength = 70;

    explicit TExerciseCanvas(QWidget* Parent = nullptr);
    ~TExerciseCanvas() override;

    // Keeps the drawing font in step with the control's font. Runs after every change of the
    // control's font.
    virtual void FontChanged();
    // Places a word at NextX on CurrentLine in the control's font colour; the canvas owns it.
    virtual TWordInfo* AddWord(const std::string& Text);

    // Frees every word; the next word starts at the left margin of line 1.
    void Clear();
    // Pixel y of the top of a line.
    std::int32_t LineTop(std::int32_t Line) const;
    // Draws one word on the drawing surface.
    void DrawWord(int Index);
    // Draws every word, first to last.
    virtual void Paint();

    // The control's font; each change runs FontChanged.
    const TCanvasFont& Font() const { return font_; }
    void SetFont(const TCanvasFont& Font);
    void SetFontName(const std::string& Name);
    void SetFontSize(int Size);
    void SetFontStyle(TFontStyles Style);
    void SetFontColor(const QColor& Color);

    std::int32_t TopMargin = 0;
    std::int32_t LeftMargin = 0;
    std::vector<std::unique_ptr<TWordInfo>> Words;
    std::int32_t CursorWord = 0;
    bool ShowCursor = false;
    // Characters of the cursor word already typed; 0 puts the cursor on its first character.
    std::int32_t CursorPos = 0;
    std::int32_t NextX = 0;
    std::int32_t CurrentLine = 1;
    QColor CursorTextColor = QColor(128, 0, 0);
    QColor RestTextColor = QColor(0, 0, 0);
    QColor ArrowColor = QColor(192, 220, 192);
    // The background colour.
    QColor Color = QColor(255, 255, 255);
    // The drawing surface, with the drawing font.
    std::unique_ptr<TCanvas> Canvas;

  protected:
    void paintEvent(QPaintEvent* Event) override;

  private:
    TCanvasFont font_;
};

#pragma once
#include "exercise_canvas.h"

#include <ostream>
#include <string>
#include <vector>

// A drawing surface that keeps a list of what was drawn on it instead of painting.
struct CanvasOp {
    std::string kind; // "rect", "polygon" or "text"
    QRect rect;
    QPolygon points;
    QPoint at;
    std::string text;
    QRgb color = 0;
    TFontStyles style = 0; // the drawing font's styles for text

    bool operator==(const CanvasOp& o) const
    {
        return kind == o.kind && rect == o.rect && points == o.points && at == o.at && text == o.text &&
               color == o.color && style == o.style;
    }
    friend void PrintTo(const CanvasOp& op, std::ostream* os)
    {
        *os << op.kind << " color #" << std::hex << (op.color & 0xffffff) << std::dec;
        if (op.kind == "rect")
            *os << " (" << op.rect.left() << "," << op.rect.top() << " " << op.rect.width() << "x"
                << op.rect.height() << ")";
        for (const QPoint& p : op.points)
            *os << " (" << p.x() << "," << p.y() << ")";
        if (op.kind == "text")
            *os << " \"" << op.text << "\" at (" << op.at.x() << "," << op.at.y() << ") style " << op.style;
    }
};

class RecordingCanvas : public TCanvas {
  public:
    void FillRect(const QRect& Rect, const QColor& Color) override
    {
        ops.push_back({"rect", Rect, {}, {}, {}, Color.rgb(), 0});
    }
    void FillPolygon(const QPolygon& Points, const QColor& Color) override
    {
        ops.push_back({"polygon", {}, Points, {}, {}, Color.rgb(), 0});
    }
    void TextOut(int X, int Y, const std::string& Text, const QColor& Color) override
    {
        ops.push_back({"text", {}, {}, QPoint(X, Y), Text, Color.rgb(), Font.Style});
    }
    std::vector<CanvasOp> ops;
};

// Gives a canvas a recording surface with the drawing font it would have had; returns the recorder.
inline RecordingCanvas& Record(TExerciseCanvas& canvas)
{
    auto recorder = std::make_unique<RecordingCanvas>();
    RecordingCanvas& r = *recorder;
    canvas.Canvas = std::move(recorder);
    canvas.FontChanged();
    return r;
}

inline CanvasOp Text(int x, int y, const std::string& text, const QColor& color, TFontStyles style)
{
    return {"text", {}, {}, QPoint(x, y), text, color.rgb(), style};
}

// Width of text in a font of the given styles, measured as the canvases measure it.
inline int WidthOf(const std::string& text, const TCanvasFont& font, TFontStyles style)
{
    TCanvas measure;
    measure.Font = font;
    measure.Font.Style = style;
    return measure.TextWidth(text);
}

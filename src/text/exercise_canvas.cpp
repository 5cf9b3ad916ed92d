#include "exercise_canvas.h"

#include "code_page.h"
#include "short_string.h"
#include "system.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Rounds to the nearest integer, halves to the even neighbour.
int Nearest(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

const QColor kWhite(255, 255, 255);

} // namespace

int TCanvasFont::PixelHeight(int Ppi) const
{
    return static_cast<int>(std::lround(static_cast<double>(Size) * Ppi / 72.0));
}

QFont TCanvasFont::QtFont(int Ppi) const
{
    QFont f(QString::fromStdString(Name));
    f.setPixelSize(std::max(1, PixelHeight(Ppi)));
    f.setBold(Style & fsBold);
    f.setItalic(Style & fsItalic);
    f.setUnderline(Style & fsUnderline);
    return f;
}

int TCanvas::TextWidth(const std::string& Text) const
{
    return QFontMetrics(Font.QtFont(PixelsPerInch)).horizontalAdvance(FromCp1252(Text));
}

void TCanvas::FillRect(const QRect& Rect, const QColor& Color)
{
    if (Painter)
        Painter->fillRect(Rect, Color);
}

void TCanvas::FillPolygon(const QPolygon& Points, const QColor& Color)
{
    if (!Painter)
        return;
    Painter->save();
    Painter->setPen(Qt::NoPen);
    Painter->setBrush(Color);
    Painter->drawPolygon(Points);
    Painter->restore();
}

void TCanvas::TextOut(int X, int Y, const std::string& Text, const QColor& Color)
{
    if (!Painter)
        return;
    const QFont f = Font.QtFont(PixelsPerInch);
    Painter->setFont(f);
    Painter->setPen(Color);
    // The painter places text on its baseline; the canvas places it by the top of its cell.
    Painter->drawText(X, Y + QFontMetrics(f).ascent(), FromCp1252(Text));
}

TExerciseCanvas::TExerciseCanvas(QWidget* Parent) : QWidget(Parent), Canvas(std::make_unique<TCanvas>())
{
    // Clear runs before the margins have their values, so the first word would start at x 0.
    Clear();
    TopMargin = 2;
    LeftMargin = 3;
    resize(200, 200);
    // A canvas without a parent is shown when its owner places it on a page.
    if (Parent)
        setVisible(true);
    TCanvasFont f;
    f.Name = "Arial";
    f.Size = 13;
    f.Style = fsBold;
    SetFont(f);
}

TExerciseCanvas::~TExerciseCanvas()
{
    Clear();
}

void TExerciseCanvas::SetFont(const TCanvasFont& Font)
{
    font_ = Font;
    FontChanged();
}

void TExerciseCanvas::SetFontName(const std::string& Name)
{
    font_.Name = Name;
    FontChanged();
}

void TExerciseCanvas::SetFontSize(int Size)
{
    font_.Size = Size;
    FontChanged();
}

void TExerciseCanvas::SetFontStyle(TFontStyles Style)
{
    font_.Style = Style;
    FontChanged();
}

void TExerciseCanvas::SetFontColor(const QColor& Color)
{
    font_.Color = Color;
    FontChanged();
}

void TExerciseCanvas::FontChanged()
{
    const int ppi = Platform::Screen().PixelsPerInch();
    Canvas->Font = font_;
    Canvas->PixelsPerInch = ppi;
    // Text keeps the pixel size it has on a 96-dpi screen.
    Canvas->Font.Size = Nearest(font_.Size / (ppi / 96.0));
    if (CursorWord >= 0 && CursorWord < static_cast<int>(Words.size()))
        Words[static_cast<std::size_t>(CursorWord)]->Color = Canvas->Font.Color;
}

TWordInfo* TExerciseCanvas::AddWord(const std::string& Text)
{
    auto word = std::make_unique<TWordInfo>();
    word->Text = ShortString(Text, kMaxWordLength);
    word->X = NextX;
    word->Line = CurrentLine;
    word->Color = font_.Color;
    Words.push_back(std::move(word));
    return Words.back().get();
}

void TExerciseCanvas::Clear()
{
    Words.clear();
    NextX = LeftMargin;
    CurrentLine = 1;
    update();
}

std::int32_t TExerciseCanvas::LineTop(std::int32_t Line) const
{
    const int h = Canvas->Font.PixelHeight(Canvas->PixelsPerInch);
    return (h + 2) * (Line - 1) + TopMargin;
}

void TExerciseCanvas::DrawWord(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(Words.size()))
        return;
    const TWordInfo& word = *Words[static_cast<std::size_t>(Index)];
    if (word.Text.empty())
        return;
    TCanvas& c = *Canvas;
    const int y = LineTop(word.Line);

    if (Index != CursorWord || !ShowCursor) {
        if (word.Color.rgb() != kWhite.rgb())
            c.TextOut(word.X, y, word.Text, word.Color);
        return;
    }

    const int length = static_cast<int>(word.Text.size());
    const int typed = std::clamp(CursorPos, 0, length);
    // The typed characters are not drawn: the cursor character starts where they would end.
    const int xc = word.X + c.TextWidth(word.Text.substr(0, static_cast<std::size_t>(typed)));

    const int h = c.Font.PixelHeight(c.PixelsPerInch);
    const int xr = xc - 2;
    const int xl = xr - Nearest(0.4 * h);
    const int yt = y + Nearest(0.1 * h);
    const int yb = y + Nearest(0.9 * h);
    const int ym = y + Nearest(0.5 * h);
    c.FillRect(QRect(QPoint(xl, yt), QPoint(xr + 5 - 1, yb - 1)), Color);
    c.FillPolygon(QPolygon({QPoint(xr, ym), QPoint(xl, yt), QPoint(xl, yb)}), ArrowColor);

    std::string cursorChar;
    if (typed < length) {
        cursorChar = word.Text.substr(static_cast<std::size_t>(typed), 1);
        c.Font.Style = fsUnderline;
        c.TextOut(xc, y, cursorChar, CursorTextColor);
    } else {
        // Past the last character the cursor is an end mark at the arrow's tip.
        c.TextOut(xc - 2, y, "_", CursorTextColor);
    }
    // The drawing font stays plain from here on, until the control's font changes again.
    c.Font.Style = 0;

    if (typed + 1 < length)
        c.TextOut(xc + c.TextWidth(cursorChar), y, word.Text.substr(static_cast<std::size_t>(typed) + 1),
                  RestTextColor);
}

void TExerciseCanvas::Paint()
{
    for (int i = 0; i < static_cast<int>(Words.size()); ++i)
        DrawWord(i);
}

void TExerciseCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(rect(), Color);
    Canvas->Painter = &p;
    Paint();
    Canvas->Painter = nullptr;
}

#pragma once
#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

// Measures the texts of the program's controls against the room their controls give them, as a
// player sees them at a screen scale: 2 renders every font at twice its pixel size, whose hinted
// glyphs are not always twice as wide, and compares with twice the room.

struct TTextMeasure {
    std::string where; // the form and the control ("GamesStg/BubblesBtn")
    QString text;
    double need = 0; // logical pixels the text takes (height for wrapped text)
    double room = 0; // logical pixels the control gives it
    bool height = false;
    // A part of a pixel is rounding, not a cut letter.
    bool Fits() const { return need <= room + 0.5; }
};

// Width of text in font at scale, in logical pixels; "&" marks of accelerators are left out.
double TextWidth(const QFont& font, const QString& text, int scale);
// Size of text wrapped into width, in logical pixels (its width exceeds width when a word does).
QSizeF WrappedSize(const QFont& font, const QString& text, double width, int flags, int scale);

// Every label, push button and list item under root, measured. A label of a fixed size must hold its text (a
// word-wrapped one in its height too); a label that sizes itself to its text must end before the
// next text control to its right on its line, or its parent's edge. formName leads each place.
std::vector<TTextMeasure> MeasureWidgetTexts(QWidget* root, const std::string& formName, int scale);

// One text drawn in a box that clips it (a single line is measured by its width only: its height is
// the font's in every language).
std::vector<TTextMeasure> MeasureBoxText(const std::string& where, const QString& text, const QRectF& box,
                                         const QFont& font, int flags, int scale);

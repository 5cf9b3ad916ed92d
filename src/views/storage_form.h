#pragma once
#include "controls.h"

#include <QColor>
#include <initializer_list>

// Storage forms are never-shown widgets that hold ready-made controls, which views borrow onto the
// book's pages. Each form is described by a table, one row per control.

// The named colours of the layouts.
namespace Colours {
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kGrey = 0xff808080;
constexpr QRgb kSilver = 0xffc0c0c0;
constexpr QRgb kGreen = 0xff008000;
constexpr QRgb kLime = 0xff00ff00;
constexpr QRgb kLightGreen = 0xffc0dcc0; // the "money green" of the consoles
} // namespace Colours

enum class TKind { Panel, Image, Label, Shape, PieGauge, PaintBox, Button, Combo, Edit };

// Row flags.
enum : unsigned {
    kHidden = 1u << 0,    // starts hidden
    kCentre = 1u << 1,    // text centred
    kRight = 1u << 2,     // text right-aligned
    kWrap = 1u << 3,      // word-wrapped text
    kBorder = 1u << 4,    // panel with a single border
    kNoPen = 1u << 5,     // shape without outline
    kNoBrush = 1u << 6,   // shape outline only
    kHand = 1u << 7,      // shows cursor 90
    kStretch = 1u << 8,   // picture stretched to the control
    kFixedSize = 1u << 9, // label keeps its size instead of sizing to its text
    kBold = 1u << 10,
    kItalic = 1u << 11,
    kOpaque = 1u << 12, // label paints its background colour
};

struct TControlSpec {
    const char* name;
    TKind kind;
    const char* parent; // component name of the parent, nullptr for the form itself
    int left, top, width, height;
    const char* text; // caption, or picture resource name for images ("cover" -> ":/pictures/cover.svg")
    int fontPx = 0;   // 0: the default font
    QRgb color = Colours::kBlack;      // text colour of labels, fill of panels and shapes
    QRgb background = Colours::kWhite; // outline of shapes, background of opaque labels
    unsigned flags = 0;
    const char* family = "Arial";
};

// Creates the controls of the table as children of form (or of the named parent) in table order,
// so later rows lie above earlier ones. With a context, the captions of labels, buttons and text
// boxes are the program's own texts (marked with QT_TRANSLATE_NOOP under that context) and show in
// the player's language; picture names are never translated.
void BuildControls(QWidget* form, std::initializer_list<TControlSpec> rows, const char* context = nullptr);

// Gives a control the look of a row: font, colours, alignment (used by BuildControls).
QFont SpecFont(const TControlSpec& row);

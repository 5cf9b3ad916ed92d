#pragma once
#include "progress_data.h"

#include <QColor>
#include <QRectF>

class QPainter;

// The progress page in the left page's own coordinates; a painter scaled for the screen keeps
// every line and letter sharp.
inline constexpr int kProgressWidth = 337;
inline constexpr int kProgressHeight = 425;

// The fill of a key: calm green at rating 0 through amber to hot red at 100 and above; grey for a
// rated key never typed.
QColor KeyColour(float rating, bool typed);

// Where the key typing ch (without or with Shift) lies on the drawn keyboard of layout; an empty
// rectangle when the keyboard has no such key.
QRectF KeyRectOf(const std::string& layout, QChar ch);

// Draws the whole page: the keyboard coloured by rating, the five hardest keys and a chart of the
// last scores of each game with the best one marked.
void PaintProgress(QPainter& p, const TProgressData& data);

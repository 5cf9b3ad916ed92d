#pragma once
#include "progress_data.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPainter;

// The progress page in the left page's own coordinates; a painter scaled for the screen keeps
// every line and letter sharp.
inline constexpr int kProgressWidth = 337;
inline constexpr int kProgressHeight = 425;

// The inks of the progress page, which the class report prints with as well.
inline const QColor kProgressGreen(0, 128, 0);
inline const QColor kProgressInk(30, 30, 30);
inline const QColor kProgressFaint(110, 110, 110);
inline const QColor kProgressGrid(215, 215, 215);

// The colour scale of the keys, from calm to hot in kKeySteps steps whose lightness falls step by
// step, so that the order reads without telling hues apart.
inline constexpr int kKeySteps = 5;
QColor KeyStepColour(int step);
// The step of a key's difficulty (TKeyStanding::Difficulty).
int KeyStep(double difficulty);

// Where the key typing ch (without or with Shift) lies on the drawn keyboard; an empty rectangle
// when the keyboard has no such key.
QRectF KeyRectOf(const std::vector<TKeyCap>& keyboard, QChar ch);
// The hardest keys the page lists, and what it writes of each: the key, its error rate ("33 %"), its
// milliseconds per key ("–" when none was timed) and the confusion typed most often ("" when none).
inline constexpr int kHardestShown = 5;
std::vector<QStringList> HardestCells(const TProgressData& data);
// Where the list of the hardest keys lies, with its heading.
QRectF HardestKeysArea();

// Accuracy and speed of one of the last kChartDays days, as the page's two charts draw them.
struct TDayFigures {
    bool Typed = false;
    double Accuracy = 0; // percent of keystrokes right
    double Speed = 0;    // characters per minute of timed correct keystrokes; 0 when none was timed
};
// The last kChartDays days of data's key record, the oldest first and today last.
std::vector<TDayFigures> LastDays(const TProgressData& data);
// A day of the platform clock as the charts write it: day and short month in the player's language
// ("3 Dec", "3. Dez.").
QString DayLabel(int day);

// The "Back" control at the top of the page.
QRectF BackControlRect();
// The charts of the last games, below their heading.
QRectF LastGamesArea();

// Draws the whole page: the keyboard coloured by difficulty, the hardest keys with their error rate,
// speed and most frequent confusion, a chart of the last scores of each game, and the accuracy and
// speed of the last 30 days. A player without a game yet sees how the page will fill up.
void PaintProgress(QPainter& p, const TProgressData& data);

// Hears of every text the page draws, with the box that clips it and its font, for the check that
// each text fits its box in every language; none is set in the program.
using TTextProbe = std::function<void(const QString& text, const QRectF& box, const QFont& font, int flags)>;
void SetTextProbe(TTextProbe probe);

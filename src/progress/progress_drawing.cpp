#include "progress_drawing.h"

#include "code_page.h"
#include "day_count.h"
#include "keyboard_map.h"
#include "translation.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

// The book's page: the title and its rule as on the top-ten page, in its green.
constexpr double kLeft = 16;
constexpr double kRight = 321;
constexpr double kRuleY = 37.5;
constexpr double kKeyUnit = 21.5;
constexpr double kKeyGap = 2;
constexpr double kKeyboardTop = 44;
constexpr double kLegendTop = 133;
constexpr double kHardestTop = 150;
constexpr double kHardestRow = 15;
constexpr double kGamesTop = 250;
constexpr double kDaysTop = 336;

const QColor kLightGreen(192, 220, 192);
const QColor& kGreen = kProgressGreen;
const QColor& kInk = kProgressInk;
const QColor& kFaint = kProgressFaint;
const QColor& kGrid = kProgressGrid;
const QColor kBar(120, 160, 120);
const QColor kBestBar(168, 29, 35);
const QColor kLine(0, 100, 160);

// Calm to hot; the lightness (CIE L*) runs 93, 87, 72, 54, 37.
const QColor kSteps[kKeySteps] = {QColor(0xe3, 0xf1, 0xa6), QColor(0xfd, 0xd5, 0x6a),
                                  QColor(0xf9, 0x9b, 0x45), QColor(0xe0, 0x54, 0x2c),
                                  QColor(0xa8, 0x1d, 0x23)};
// The lower edges of steps 1 to 4, in difficulty (about the lowest error percentage the key can have).
constexpr double kStepEdges[kKeySteps - 1] = {2.5, 5, 10, 20};

TTextProbe& Probe()
{
    static TTextProbe probe;
    return probe;
}

// Every text of the page is drawn in a box, which clips it.
void DrawBoxText(QPainter& p, const QRectF& box, int flags, const QString& text)
{
    p.drawText(box, flags, text);
    if (Probe())
        Probe()(text, box, p.font(), flags);
}

QFont Font(int px, bool bold = false)
{
    QFont f("Arial");
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

QString Text(const std::string& cp1252)
{
    return FromCp1252(cp1252);
}

QRectF KeyBox(const TKeyCap& cap)
{
    // The widest keyboard is 13.5 keys; it is centred between the page's margins.
    const double left = kLeft + (kRight - kLeft - 13.5 * kKeyUnit) / 2;
    return QRectF(left + cap.Place.x() * kKeyUnit, kKeyboardTop + cap.Place.y() * kKeyUnit,
                  kKeyUnit - kKeyGap, kKeyUnit - kKeyGap);
}

// Dark steps carry white letters.
QColor InkOn(int step)
{
    return step >= 3 ? QColor(Qt::white) : kInk;
}

void DrawTitle(QPainter& p)
{
    p.setPen(kGreen);
    p.setFont(Font(17, true));
    DrawBoxText(p, QRectF(27, 10, 220, 26), Qt::AlignLeft | Qt::AlignVCenter,
                TrQ("TProgressDrawing", "M Y   P R O G R E S S"));
    const QRectF back = BackControlRect();
    p.setPen(QPen(kGreen, 1));
    p.setBrush(kLightGreen);
    p.drawRoundedRect(back, 4, 4);
    QPainterPath arrow;
    arrow.moveTo(back.left() + 7, back.center().y());
    arrow.lineTo(back.left() + 13, back.center().y() - 4.5);
    arrow.lineTo(back.left() + 13, back.center().y() + 4.5);
    arrow.closeSubpath();
    p.setBrush(kGreen);
    p.setPen(Qt::NoPen);
    p.drawPath(arrow);
    p.setPen(kInk);
    p.setFont(Font(12, true));
    DrawBoxText(p, back.adjusted(15, 0, 0, 0), Qt::AlignCenter, TrQ("TProgressDrawing", "Back"));
    p.setPen(QPen(kGreen, 1));
    p.drawLine(QPointF(kLeft, kRuleY), QPointF(kRight, kRuleY));
}

void DrawKeyboard(QPainter& p, const TProgressData& data)
{
    // A key is as hard as the hardest character it types, a dead key as the hardest letter it accents
    // that no key of its own types.
    std::vector<const TKeyStanding*> hardestOf(data.Keyboard.size(), nullptr);
    for (const TKeyStanding& k : data.Ranking)
        for (std::size_t i : KeysTyping(data.Keyboard, FromCp1252(std::string(1, char(k.Ch))).at(0)))
            if (!hardestOf[i] || k.Difficulty > hardestOf[i]->Difficulty)
                hardestOf[i] = &k;
    for (std::size_t i = 0; i < data.Keyboard.size(); ++i) {
        const TKeyCap& cap = data.Keyboard[i];
        const TKeyStanding* hardest = hardestOf[i];
        // Rated characters are kept as Windows-1252 bytes, a key's characters as Unicode; one the
        // code page cannot hold has no byte and so no record.
        const bool rated = cap.BaseDead || cap.ShiftedDead || TKeyRecord::Rated(CharToCp1252(cap.Base)) ||
                           TKeyRecord::Rated(CharToCp1252(cap.Shifted));
        const QRectF box = KeyBox(cap);
        int step = -1;
        if (hardest) {
            step = KeyStep(hardest->Difficulty);
            p.setPen(QPen(kFaint, 1));
            p.setBrush(KeyStepColour(step));
        } else {
            // Not typed yet (or not rated): an outline only.
            p.setPen(QPen(rated ? kFaint : kGrid, 1, rated ? Qt::DashLine : Qt::SolidLine));
            p.setBrush(Qt::NoBrush);
        }
        p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(hardest ? InkOn(step) : rated ? kInk : kFaint);
        // A key of a small and a capital letter shows the capital alone (the Turkish i's capital is the
        // dotted İ, which QChar::toUpper does not give).
        const bool letter = cap.Base.isLower() && cap.Shifted.isUpper();
        const bool percent = hardest && hardest->ErrorRate >= 0.05 && hardest->Keystrokes >= 5;
        if (letter) {
            p.setFont(Font(percent ? 9 : 11, true));
            DrawBoxText(p, percent ? box.adjusted(0, 0, 0, -8) : box, Qt::AlignCenter, cap.Shifted);
        } else {
            p.setFont(Font(8));
            if (!cap.Shifted.isNull() && !percent)
                DrawBoxText(p, box.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, cap.Shifted);
            if (!cap.Base.isNull())
                DrawBoxText(p, percent ? box.adjusted(0, 0, 0, -8) : box.adjusted(3, 0, 0, -1),
                            percent ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignBottom, cap.Base);
        }
        if (percent) {
            p.setFont(Font(8));
            DrawBoxText(p, box.adjusted(0, 9, 0, 0), Qt::AlignCenter,
                        QString::number(std::lround(100 * hardest->ErrorRate)));
        }
    }
    // The scale: the five steps from calm to hot, and the outline of a key not typed yet. Each word
    // is as wide as it reads in the player's language, and the next part starts after it.
    p.setFont(Font(9));
    const QFontMetricsF metrics(p.font());
    const auto word = [&](double left, const QString& text) {
        const double width = std::ceil(metrics.horizontalAdvance(text)) + 1;
        p.setPen(kInk);
        DrawBoxText(p, QRectF(left, kLegendTop, width, 11), Qt::AlignLeft | Qt::AlignVCenter, text);
        return left + width;
    };
    double x = word(kLeft, TrQ("TProgressDrawing", "calm")) + 3;
    for (int s = 0; s < kKeySteps; ++s) {
        p.setPen(QPen(kFaint, 0.5));
        p.setBrush(KeyStepColour(s));
        p.drawRect(QRectF(x + s * 15, kLegendTop + 1.5, 14, 8));
    }
    x = word(x + kKeySteps * 15 + 2, TrQ("TProgressDrawing", "hot")) + 6;
    p.setPen(QPen(kFaint, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(x, kLegendTop + 1, 14, 9), 2, 2);
    x = word(x + 18, TrQ("TProgressDrawing", "not typed yet")) + 6;
    p.setPen(kInk);
    DrawBoxText(p, QRectF(x, kLegendTop, std::max(0.0, kRight - x), 11), Qt::AlignRight | Qt::AlignVCenter,
                TrQ("TProgressDrawing", "numbers: % errors"));
}

void DrawHeading(QPainter& p, double top, const QString& text)
{
    p.setPen(kGreen);
    p.setFont(Font(12, true));
    DrawBoxText(p, QRectF(kLeft, top, kRight - kLeft, 14), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void DrawHardest(QPainter& p, const TProgressData& data)
{
    DrawHeading(p, kHardestTop, TrQ("TProgressDrawing", "Your hardest keys"));
    const double columns[] = {kLeft, kLeft + 24, kLeft + 92, kLeft + 136, kLeft + 186};
    p.setFont(Font(9));
    p.setPen(kFaint);
    const double head = kHardestTop + 14;
    DrawBoxText(p, QRectF(columns[1], head, 66, 11), Qt::AlignLeft | Qt::AlignVCenter,
                TrQ("TProgressDrawing", "difficulty"));
    DrawBoxText(p, QRectF(columns[2] - 6, head, 44, 11), Qt::AlignRight | Qt::AlignVCenter,
                TrQ("TProgressDrawing", "errors"));
    DrawBoxText(p, QRectF(columns[3], head, 46, 11), Qt::AlignRight | Qt::AlignVCenter,
                TrQ("TProgressDrawing", "ms / key"));
    DrawBoxText(p, QRectF(columns[4], head, kRight - columns[4], 11), Qt::AlignLeft | Qt::AlignVCenter,
                TrQ("TProgressDrawing", "typed instead"));
    const double most = data.Ranking.empty() ? 1 : std::max(1.0, data.Ranking.front().Difficulty);
    const std::vector<QStringList> cells = HardestCells(data);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const TKeyStanding& k = data.Ranking[i];
        const double top = head + 13 + double(i) * kHardestRow;
        const int step = KeyStep(k.Difficulty);
        const QRectF cap(columns[0], top, 18, kHardestRow - 2);
        p.setPen(QPen(kFaint, 1));
        p.setBrush(KeyStepColour(step));
        p.drawRoundedRect(cap, 2, 2);
        p.setPen(InkOn(step));
        p.setFont(Font(10, true));
        DrawBoxText(p, cap, Qt::AlignCenter, cells[i][0]);
        // The list is in the order of this bar.
        p.setPen(Qt::NoPen);
        p.setBrush(KeyStepColour(step));
        p.drawRect(QRectF(columns[1], top + 2, std::max(1.0, 62 * k.Difficulty / most), kHardestRow - 6));
        p.setPen(kInk);
        p.setFont(Font(10));
        DrawBoxText(p, QRectF(columns[2] - 6, top, 44, kHardestRow - 2), Qt::AlignRight | Qt::AlignVCenter,
                    cells[i][1]);
        DrawBoxText(p, QRectF(columns[3], top, 46, kHardestRow - 2), Qt::AlignRight | Qt::AlignVCenter,
                    cells[i][2]);
        if (!cells[i][3].isEmpty())
            DrawBoxText(p, QRectF(columns[4], top, kRight - columns[4], kHardestRow - 2),
                        Qt::AlignLeft | Qt::AlignVCenter, cells[i][3]);
    }
}

// A day as the charts write it: day and short month in the player's language ("3 Dec", "3. Dez.").
QString DateLabel(const QDate& d)
{
    //: The date format of the progress charts' days (QDate's format letters): German writes "d. MMM".
    return d.isValid() ? PlayerLocale().toString(d, TrQ("TProgressDrawing", "d MMM")) : QString();
}

QString IsoDayLabel(const std::string& isoDay)
{
    return DateLabel(QDate::fromString(QString::fromStdString(isoDay.substr(0, 10)), "yyyy-MM-dd"));
}

// A chart's frame: its title, a scale with the top value and 0 (or bottom), the baseline and the
// dates under it. Gives the plotting area.
QRectF ChartFrame(QPainter& p, const QRectF& frame, const QString& title, const QString& top,
                  const QString& bottom, const QString& firstDay, const QString& lastDay)
{
    p.setPen(kInk);
    p.setFont(Font(10, true));
    DrawBoxText(p, QRectF(frame.left(), frame.top(), frame.width(), 12), Qt::AlignLeft | Qt::AlignVCenter,
                title);
    const QRectF plot(frame.left() + 20, frame.top() + 16, frame.width() - 22, frame.height() - 28);
    p.setFont(Font(8));
    p.setPen(kFaint);
    DrawBoxText(p, QRectF(frame.left(), plot.top() - 5, 18, 10), Qt::AlignRight | Qt::AlignVCenter, top);
    DrawBoxText(p, QRectF(frame.left(), plot.bottom() - 5, 18, 10), Qt::AlignRight | Qt::AlignVCenter,
                bottom);
    DrawBoxText(p, QRectF(plot.left(), plot.bottom() + 1, plot.width() / 2, 10),
                Qt::AlignLeft | Qt::AlignVCenter, firstDay);
    DrawBoxText(p, QRectF(plot.center().x(), plot.bottom() + 1, plot.width() / 2, 10),
                Qt::AlignRight | Qt::AlignVCenter, lastDay);
    p.setPen(QPen(kGrid, 1));
    p.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.right(), plot.top()));
    p.setPen(QPen(kFaint, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    return plot;
}

// A round number at least v: 1, 2 or 5 times a power of ten.
double NiceCeiling(double v)
{
    if (v <= 1)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(v)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= v)
            return m * power;
    return 10 * power;
}

void DrawScoreChart(QPainter& p, const QRectF& frame, const char* game,
                    const std::vector<std::int32_t>& scores, const std::vector<std::string>& days)
{
    if (scores.empty()) {
        ChartFrame(p, frame, game, "", "", "", "");
        p.setPen(kFaint);
        p.setFont(Font(9));
        DrawBoxText(p, frame.adjusted(20, 16, 0, -12), Qt::AlignCenter,
                    TrQ("TProgressDrawing", "no games yet"));
        return;
    }
    const auto best = std::max_element(scores.begin(), scores.end());
    const double top = NiceCeiling(std::max(1, *best));
    // Thousands are written short, so that the top value fits beside the chart.
    const QString topText = top >= 10000 ? QString::number(top / 1000) + "k" : QString::number(top);
    const QRectF plot =
        ChartFrame(p, frame, game, topText, "0", days.empty() ? QString() : IsoDayLabel(days.front()),
                   days.empty() ? QString() : IsoDayLabel(days.back()));
    const double step = plot.width() / kChartGames;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const double h = std::max(1.0, plot.height() * std::max(0, scores[i]) / top);
        const QRectF bar(plot.left() + double(i) * step + 0.5, plot.bottom() - h, step - 1, h);
        const bool isBest = scores.begin() + long(i) == best;
        p.setPen(Qt::NoPen);
        p.setBrush(isBest ? kBestBar : kBar);
        p.drawRect(bar);
    }
    // The best game is the dark red bar; its score stands in the title line.
    p.setPen(kBestBar);
    p.setFont(Font(9, true));
    DrawBoxText(p, QRectF(frame.left(), frame.top(), frame.width(), 12), Qt::AlignRight | Qt::AlignVCenter,
                TrQ("TProgressDrawing", "best %1").arg(*best));
}

void DrawDayChart(QPainter& p, const QRectF& frame, const QString& title,
                  const std::vector<TDayFigures>& days, int today, bool speed)
{
    double low = 0, high = 0;
    bool any = false;
    for (const TDayFigures& d : days) {
        const double v = speed ? d.Speed : d.Accuracy;
        if (!d.Typed || (speed && v <= 0))
            continue;
        high = any ? std::max(high, v) : v;
        low = any ? std::min(low, v) : v;
        any = true;
    }
    if (speed) {
        low = 0;
        high = NiceCeiling(std::max(high, 1.0));
    } else {
        // Accuracy lives near the top: the scale starts at the ten below the worst day.
        high = 100;
        low = std::clamp(std::floor(low / 10) * 10, 0.0, 90.0);
    }
    const QRectF plot = ChartFrame(p, frame, title, QString::number(high), QString::number(low),
                                   DayLabel(today - kChartDays + 1), DayLabel(today));
    if (!any) {
        p.setPen(kFaint);
        p.setFont(Font(9));
        DrawBoxText(p, plot, Qt::AlignCenter, TrQ("TProgressDrawing", "no keystrokes yet"));
        return;
    }
    const double step = plot.width() / (kChartDays - 1);
    QPainterPath line;
    bool started = false;
    std::vector<QPointF> points;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const double v = speed ? days[i].Speed : days[i].Accuracy;
        if (!days[i].Typed || (speed && v <= 0))
            continue;
        const QPointF at(plot.left() + double(i) * step,
                         plot.bottom() - plot.height() * (v - low) / (high - low));
        if (started)
            line.lineTo(at);
        else
            line.moveTo(at);
        started = true;
        points.push_back(at);
    }
    p.setPen(QPen(kLine, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    for (const QPointF& at : points)
        p.drawEllipse(at, 1.8, 1.8);
}

void DrawNewPlayer(QPainter& p)
{
    p.setPen(kInk);
    p.setFont(Font(12));
    DrawBoxText(p, QRectF(kLeft, kHardestTop + 6, kRight - kLeft, 120), Qt::TextWordWrap,
                TrQ("TProgressDrawing",
                    "This page fills up as you play: after your first game the keys you find hard turn from "
                    "pale to dark red, and your hardest keys show here with what you type for them.\n\n"
                    "Below them come your scores game by game, and your accuracy and speed day by day."));
}

} // namespace

QColor KeyStepColour(int step)
{
    return kSteps[std::clamp(step, 0, kKeySteps - 1)];
}

int KeyStep(double difficulty)
{
    int step = 0;
    while (step < kKeySteps - 1 && difficulty >= kStepEdges[step])
        ++step;
    return step;
}

QRectF KeyRectOf(const std::vector<TKeyCap>& keyboard, QChar ch)
{
    for (const TKeyCap& cap : keyboard)
        if (!ch.isNull() && (cap.Base == ch || cap.Shifted == ch))
            return KeyBox(cap);
    return {};
}

std::vector<TDayFigures> LastDays(const TProgressData& data)
{
    std::vector<TDayFigures> figures(kChartDays);
    for (const TKeyDay& d : data.KeyDays) {
        const int index = d.Day - (data.Today - kChartDays + 1);
        if (index < 0 || index >= kChartDays)
            continue;
        double n = 0, e = 0, timed = 0, ms = 0;
        for (int code = TKeyRecord::kFirst; code <= 255; ++code) {
            const TKeyTally& t = d.Keys[static_cast<unsigned char>(code)];
            n += t.Keystrokes;
            e += t.Errors;
            timed += t.TimedStrokes;
            ms += double(t.TimedMs);
        }
        if (n <= 0)
            continue;
        TDayFigures& f = figures[std::size_t(index)];
        f.Typed = true;
        f.Accuracy = 100 * (1 - e / n);
        f.Speed = ms > 0 ? 60000 * timed / ms : 0;
    }
    return figures;
}

std::vector<QStringList> HardestCells(const TProgressData& data)
{
    std::vector<QStringList> rows;
    for (std::size_t i = 0; i < data.Ranking.size() && i < std::size_t(kHardestShown); ++i) {
        const TKeyStanding& k = data.Ranking[i];
        rows.push_back({Text(std::string(1, char(k.Ch))), QString("%1 %").arg(std::lround(100 * k.ErrorRate)),
                        k.MsPerKey > 0 ? QString::number(std::lround(k.MsPerKey)) : QString("–"),
                        k.ConfusedCount > 0
                            ? Text(FillArgs(TrN("TProgressDrawing", "types %1 for %2: %n time(s)", nullptr,
                                                k.ConfusedCount),
                                            {KeyName(k.Confused), KeyName(k.Ch)}))
                            : QString()});
    }
    return rows;
}

QRectF HardestKeysArea()
{
    return QRectF(kLeft, kHardestTop, kRight - kLeft, kGamesTop - kHardestTop);
}

QString DayLabel(int day)
{
    return DateLabel(DayZero().addDays(day));
}

void SetTextProbe(TTextProbe probe)
{
    Probe() = std::move(probe);
}

QRectF BackControlRect()
{
    return QRectF(kRight - 62, 12, 62, 21);
}

QRectF LastGamesArea()
{
    return QRectF(kLeft, kGamesTop + 15, kRight - kLeft, kDaysTop - kGamesTop - 17);
}

void PaintProgress(QPainter& p, const TProgressData& data)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, kProgressWidth, kProgressHeight), Qt::white);
    DrawTitle(p);
    DrawKeyboard(p, data);
    // A store that could not be read is no sign of a new player.
    if (!data.HasGames() && data.Ranking.empty() && data.Problem == TStoreProblem::None) {
        DrawNewPlayer(p);
        return;
    }
    DrawHardest(p, data);

    DrawHeading(p, kGamesTop, TrQ("TProgressDrawing", "Your last %1 games").arg(kChartGames));
    const double gap = 8;
    const double width = (kRight - kLeft - 2 * gap) / 3;
    for (int g = 0; g < 3; ++g)
        DrawScoreChart(p, QRectF(kLeft + g * (width + gap), kGamesTop + 16, width, 68), kHistoryGames[g],
                       data.Scores[g], data.ScoreDays[g]);

    DrawHeading(p, kDaysTop, TrQ("TProgressDrawing", "The last %1 days").arg(kChartDays));
    const std::vector<TDayFigures> days = LastDays(data);
    const double half = (kRight - kLeft - gap) / 2;
    DrawDayChart(p, QRectF(kLeft, kDaysTop + 16, half, 70), TrQ("TProgressDrawing", "Accuracy (%)"), days,
                 data.Today, false);
    DrawDayChart(p, QRectF(kLeft + half + gap, kDaysTop + 16, half, 70),
                 TrQ("TProgressDrawing", "Speed (characters a minute)"), days, data.Today, true);
}

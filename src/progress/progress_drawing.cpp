#include "progress_drawing.h"

#include "code_page.h"
#include "keyboard_map.h"
#include "practice_keys.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

constexpr double kMargin = 12;
constexpr double kKeyUnit = 22.5;
constexpr double kKeyGap = 2;
constexpr double kKeyboardTop = 44;
constexpr double kHardestTop = 168;
constexpr double kChartsTop = 300;
constexpr double kHardestRow = 20;
constexpr double kChartHeight = 112;

const QColor kInk(40, 40, 40);
const QColor kFaint(120, 120, 120);
const QColor kRule(111, 154, 74); // the green of the menu's frames
const QColor kUnratedKey(250, 250, 250);
const QColor kChartBar(143, 178, 206);
const QColor kBestBar(214, 64, 45);

QFont Font(int px, bool bold = false)
{
    QFont f("Arial");
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// Rated characters are kept as Windows-1252 bytes; a key's characters as Unicode.
unsigned char Byte(QChar c)
{
    const std::string b = ToCp1252(QString(c));
    return b.size() == 1 ? static_cast<unsigned char>(b[0]) : 0;
}

bool Rated(unsigned char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == ',' || ch == '.';
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QRectF KeyBox(const TKeyCap& cap)
{
    return QRectF(kMargin + cap.Place.x() * kKeyUnit, kKeyboardTop + cap.Place.y() * kKeyUnit,
                  kKeyUnit - kKeyGap, kKeyUnit - kKeyGap);
}

void DrawKeyboard(QPainter& p, const TProgressData& data)
{
    p.setFont(Font(11, true));
    for (const TKeyCap& cap : KeyboardMap(data.Layout)) {
        // A key is as hard as the harder of its two characters, and typed when either was.
        bool rated = false;
        bool typed = false;
        float rating = 0;
        for (QChar c : {cap.Base, cap.Shifted}) {
            const unsigned char ch = c.isNull() ? 0 : Byte(c);
            if (!Rated(ch))
                continue;
            rated = true;
            typed = typed || data.Keys.Exposure[ch] > 0;
            rating = std::max(rating, data.Keys.KeyDifficulty(ch));
        }
        const QRectF box = KeyBox(cap);
        p.setPen(QPen(kFaint, 1));
        p.setBrush(rated ? KeyColour(rating, typed) : kUnratedKey);
        p.drawRoundedRect(box, 3, 3);
        p.setPen(rated ? kInk : kFaint);
        if (cap.Base.isLetter() && cap.Shifted == cap.Base.toUpper()) {
            p.drawText(box, Qt::AlignCenter, cap.Shifted);
        } else {
            p.setFont(Font(9));
            if (!cap.Shifted.isNull())
                p.drawText(box.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, cap.Shifted);
            p.drawText(box.adjusted(3, 0, 0, -1), Qt::AlignLeft | Qt::AlignBottom, cap.Base);
            p.setFont(Font(11, true));
        }
    }
    // The scale under the keyboard.
    const QRectF scale(kMargin + 60, kKeyboardTop + 4 * kKeyUnit + 6, 150, 8);
    QLinearGradient ramp(scale.topLeft(), scale.topRight());
    for (int r = 0; r <= 100; r += 25)
        ramp.setColorAt(r / 100.0, KeyColour(float(r), true));
    p.setPen(QPen(kFaint, 0.5));
    p.setBrush(ramp);
    p.drawRect(scale);
    p.setFont(Font(10));
    p.setPen(kInk);
    p.drawText(QRectF(kMargin, scale.top() - 3, 56, 14), Qt::AlignRight | Qt::AlignVCenter, "easy");
    p.drawText(QRectF(scale.right() + 4, scale.top() - 3, 60, 14), Qt::AlignLeft | Qt::AlignVCenter, "hard");
    p.setBrush(KeyColour(0, false));
    p.drawRect(QRectF(scale.right() + 40, scale.top(), 12, 8));
    p.drawText(QRectF(scale.right() + 56, scale.top() - 3, 70, 14), Qt::AlignLeft | Qt::AlignVCenter,
               "not typed");
}

void DrawHardest(QPainter& p, const TProgressData& data)
{
    p.setPen(kInk);
    p.setFont(Font(14, true));
    p.drawText(QPointF(kMargin, kHardestTop), "Your five hardest keys");
    const std::vector<TKeyRating> hardest = HardestKeys(data.Keys);
    p.setFont(Font(12));
    if (hardest.empty()) {
        p.setPen(kFaint);
        p.drawText(QRectF(kMargin, kHardestTop + 8, kProgressWidth - 2 * kMargin, 40), Qt::TextWordWrap,
                   "None yet: the keys you mistype in WordTris and Clouds show here.");
        return;
    }
    for (std::size_t i = 0; i < hardest.size() && i < 5; ++i) {
        const TKeyRating& k = hardest[i];
        const double top = kHardestTop + 7 + double(i) * kHardestRow;
        const QRectF cap(kMargin, top, kHardestRow - 2, kHardestRow - 2);
        p.setPen(QPen(kFaint, 1));
        p.setBrush(KeyColour(k.Rating, true));
        p.drawRoundedRect(cap, 3, 3);
        p.setPen(kInk);
        p.setFont(Font(12, true));
        p.drawText(cap, Qt::AlignCenter, FromCp1252(std::string(1, char(k.Ch))));
        p.setFont(Font(12));
        const int percent = k.Hits > 0 ? int(std::lround(100.0 * k.Errors / k.Hits)) : 0;
        p.drawText(QRectF(cap.right() + 10, top, 260, cap.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   QString("%1 % errors in %2 keystrokes").arg(percent).arg(k.Hits));
    }
}

void DrawChart(QPainter& p, const QRectF& frame, const char* game, const std::vector<std::int32_t>& scores)
{
    p.setPen(kInk);
    p.setFont(Font(12, true));
    p.drawText(QRectF(frame.left(), frame.top(), frame.width(), 16), Qt::AlignLeft | Qt::AlignTop, game);
    const QRectF plot(frame.left(), frame.top() + 34, frame.width(), frame.height() - 34);
    p.setPen(QPen(kRule, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    if (scores.empty()) {
        p.setPen(kFaint);
        p.setFont(Font(10));
        p.drawText(plot, Qt::AlignCenter, "no games yet");
        return;
    }
    const auto best = std::max_element(scores.begin(), scores.end());
    const double top = std::max(1, *best);
    const double step = plot.width() / kChartGames;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const double h = std::max(1.0, (plot.height() - 4) * std::max(0, scores[i]) / top);
        const QRectF bar(plot.left() + double(i) * step + 0.5, plot.bottom() - h, step - 1, h);
        const bool isBest = scores.begin() + long(i) == best;
        p.setPen(Qt::NoPen);
        p.setBrush(isBest ? kBestBar : kChartBar);
        p.drawRect(bar);
        if (isBest) {
            // The best game: its bar in red with its score above, and a marker over it.
            QPainterPath marker;
            const double cx = bar.center().x();
            marker.moveTo(cx - 4, plot.top() - 9);
            marker.lineTo(cx + 4, plot.top() - 9);
            marker.lineTo(cx, plot.top() - 3);
            marker.closeSubpath();
            p.setBrush(kBestBar);
            p.drawPath(marker);
            p.setPen(kInk);
            p.setFont(Font(10));
            const QRectF label(std::clamp(cx - 30, frame.left(), frame.right() - 60), plot.top() - 22, 60,
                               12);
            p.drawText(label, Qt::AlignCenter, QString("best %1").arg(*best));
        }
    }
}

} // namespace

QColor KeyColour(float rating, bool typed)
{
    if (!typed)
        return QColor(205, 205, 205);
    static const QColor calm(163, 209, 120);
    static const QColor warm(246, 206, 82);
    static const QColor hot(214, 64, 45);
    const double r = std::clamp(double(rating), 0.0, 100.0) / 100.0;
    return r < 0.5 ? Mix(calm, warm, r * 2) : Mix(warm, hot, (r - 0.5) * 2);
}

QRectF KeyRectOf(const std::string& layout, QChar ch)
{
    for (const TKeyCap& cap : KeyboardMap(layout))
        if (cap.Base == ch || cap.Shifted == ch)
            return KeyBox(cap);
    return {};
}

void PaintProgress(QPainter& p, const TProgressData& data)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, kProgressWidth, kProgressHeight), Qt::white);
    p.setPen(kInk);
    p.setFont(Font(20, true));
    p.drawText(QRectF(kMargin, 6, kProgressWidth - 2 * kMargin, 28), Qt::AlignLeft | Qt::AlignVCenter,
               "My progress");
    p.setFont(Font(10));
    p.setPen(kFaint);
    p.drawText(QRectF(kMargin, 6, kProgressWidth - 2 * kMargin, 28), Qt::AlignRight | Qt::AlignVCenter,
               "Esc: back to the games");
    p.setPen(QPen(kRule, 1));
    p.drawLine(QPointF(kMargin, 36.5), QPointF(kProgressWidth - kMargin, 36.5));

    DrawKeyboard(p, data);
    DrawHardest(p, data);

    p.setPen(kInk);
    p.setFont(Font(14, true));
    p.drawText(QPointF(kMargin, kChartsTop - 4), "Your last games");
    const double width = (kProgressWidth - 2 * kMargin - 2 * 10) / 3;
    for (int g = 0; g < 3; ++g)
        DrawChart(p, QRectF(kMargin + g * (width + 10), kChartsTop, width, kChartHeight), kHistoryGames[g],
                  data.Scores[g]);
}

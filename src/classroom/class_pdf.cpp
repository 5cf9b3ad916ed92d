#include "class_pdf.h"

#include "code_page.h"
#include "keyboard_layout.h"
#include "keyboard_map.h"
#include "progress_drawing.h"
#include "translation.h"

#include <QDate>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

// The page is drawn in the progress page's units, its width filling the printable width of A4.
constexpr double kLeft = 16;
constexpr double kRight = 321;
constexpr double kRow = 10;
const QColor& kGreen = kProgressGreen;
const QColor& kInk = kProgressInk;
const QColor& kFaint = kProgressFaint;
const QColor& kGrid = kProgressGrid;

// The keyboard of the teacher's language, as the pupils of a class of that language have it.
std::vector<TKeyCap> TeacherKeyboard()
{
    const QString language = PlayerLocale().name().left(2);
    static const char* const layouts[][2] = {{"de", "de"}, {"fr", "fr"}, {"es", "es"}};
    for (const auto& l : layouts)
        if (language == QLatin1String(l[0])) {
            const std::vector<TKeyLabel> labels = NamedLayoutLabels(l[1]);
            if (!labels.empty())
                return KeyboardOf(labels);
        }
    return UsKeyboard();
}

QFont Font(double px, bool bold = false)
{
    QFont f(QStringLiteral("Arial")); // Liberation Sans, as on the progress page
    f.setPixelSize(std::max(1, int(std::lround(px))));
    f.setBold(bold);
    return f;
}

QString Day(int day)
{
    return QDate(1899, 12, 30).addDays(day).toString(QStringLiteral("yyyy-MM-dd"));
}

QString Number(double v)
{
    return PlayerLocale().toString(v, 'f', 1);
}

void Title(QPainter& p, const QString& title, const QString& under)
{
    p.setPen(kGreen);
    p.setFont(Font(14, true));
    p.drawText(QRectF(kLeft, 0, kRight - kLeft, 18), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(QPen(kGreen, 0.8));
    p.drawLine(QPointF(kLeft, 19.5), QPointF(kRight, 19.5));
    p.setPen(kInk);
    p.setFont(Font(7));
    p.drawText(QRectF(kLeft, 21, kRight - kLeft, 9), Qt::AlignLeft | Qt::AlignVCenter, under);
}

// A part of the progress page drawn at top: the rows from and to of the page.
void ProgressBand(QPainter& p, const TProgressData& data, double from, double to, double top)
{
    p.save();
    p.translate(0, top - from);
    p.setClipRect(QRectF(0, from, kProgressWidth, to - from));
    PaintProgress(p, data);
    p.restore();
}

// A table's columns: their widths, and which hold texts (left-aligned) rather than figures.
struct TColumns {
    std::vector<double> Widths;
    std::vector<bool> Text;
};

// One row of a table. A heading row is kHeadRow high and wraps its texts, which are longer in some
// languages than the figures below them; all its texts take the size at which the longest word fits
// its column.
constexpr double kHeadRow = 17;

double TableRow(QPainter& p, double y, const TColumns& columns, const QStringList& texts, bool head)
{
    const double height = head ? kHeadRow : kRow;
    const std::size_t n = std::min(columns.Widths.size(), std::size_t(texts.size()));
    double px = 7;
    if (head) {
        // Measured large and scaled down: small sizes are measured hinted, but drawn scaled.
        const QFontMetricsF large(Font(100, true));
        for (std::size_t i = 0; i < n; ++i)
            for (const QString& word : texts[int(i)].split(QLatin1Char(' ')))
                px = std::min(px, std::floor((columns.Widths[i] - 2) * 100 / large.horizontalAdvance(word)));
    }
    p.setFont(Font(std::max(px, 4.0), head));
    p.setPen(head ? kGreen : kInk);
    const QFontMetricsF metrics(p.font(), p.device());
    double x = kLeft;
    for (std::size_t i = 0; i < n; ++i) {
        // A text after a figure keeps a gap from it.
        const double gap = i > 0 && columns.Text[i] && !columns.Text[i - 1] ? 5 : 1;
        const QRectF box(x + gap, y, columns.Widths[i] - gap - 1, height);
        const int align = (columns.Text[i] ? Qt::AlignLeft : Qt::AlignRight) |
                          (head ? Qt::AlignBottom | Qt::TextWordWrap | Qt::TextDontClip : Qt::AlignVCenter);
        p.drawText(box, align,
                   head ? texts[int(i)] : metrics.elidedText(texts[int(i)], Qt::ElideRight, box.width()));
        x += columns.Widths[i];
    }
    p.setPen(QPen(head ? kGreen : kGrid, 0.4));
    p.drawLine(QPointF(kLeft, y + height), QPointF(kRight, y + height));
    return y + height;
}

QString Change(bool shown, double v)
{
    return shown ? (v > 0 ? QStringLiteral("+") : QString()) + Number(v) : QString();
}

QString Key(unsigned char ch)
{
    return FromCp1252(KeyName(ch, true));
}

QString Period(const TClassFigures& f)
{
    return TrQ("TClassReport", "%1 to %2").arg(Day(f.Today - f.Days + 1), Day(f.Today));
}

void ClassPage(QPainter& p, QPdfWriter& writer, const TClassFigures& f, double pageHeight)
{
    Title(p, TrQ("TClassReport", "Class report"),
          TrQ("TClassReport", "%1 pupils, %2").arg(f.Pupils.size()).arg(Period(f)));
    const TProgressData classData = ClassData(f);
    ProgressBand(p, classData, 40, 147, 32);
    const TColumns widths = {{32, 48, 22, 24, 28, 20, 28, 20, 38, 45},
                             {true, true, false, false, false, false, false, false, true, true}};
    const QStringList head = {TrQ("TClassReport", "login"),        TrQ("TClassReport", "name"),
                              TrQ("TClassReport", "games"),        TrQ("TClassReport", "minutes"),
                              TrQ("TClassReport", "accuracy %"),   QStringLiteral("±"),
                              TrQ("TClassReport", "char./min"),    QStringLiteral("±"),
                              TrQ("TClassReport", "hardest keys"), TrQ("TClassReport", "last played")};
    // The charts follow the table when it fits on the page, else they close the page and the table
    // goes on over the next pages.
    constexpr double kCharts = 90;
    const double tableTop = 142;
    const double fitting = tableTop + kHeadRow + kRow * double(f.Pupils.size()) + 8;
    const double chartsTop = std::min(fitting, pageHeight - kCharts);
    ProgressBand(p, classData, 336, kProgressHeight, chartsTop);
    double y = TableRow(p, tableTop, widths, head, true);
    double bottom = chartsTop - 4;
    for (const TPupilFigures& pupil : f.Pupils) {
        if (y + kRow > bottom) {
            writer.newPage();
            Title(p, TrQ("TClassReport", "Class report"), Period(f));
            y = TableRow(p, 34, widths, head, true);
            bottom = pageHeight - 10;
        }
        QString hardest;
        for (std::size_t i = 0; i < pupil.Ranking.size() && i < 3; ++i)
            hardest += (i ? QStringLiteral(" ") : QString()) + Key(pupil.Ranking[i].Ch);
        const bool now = pupil.Period.HasKeys(), before = pupil.Before.HasKeys();
        TableRow(p, y, widths,
                 {QString::fromStdString(pupil.Record.Login), QString::fromStdString(pupil.Record.Name),
                  QString::number(pupil.Period.Games), Number(pupil.Period.Seconds / 60),
                  now ? Number(pupil.Period.Accuracy()) : QString(),
                  Change(now && before, pupil.Period.Accuracy() - pupil.Before.Accuracy()),
                  now ? Number(pupil.Period.Speed()) : QString(),
                  Change(now && before, pupil.Period.Speed() - pupil.Before.Speed()), hardest,
                  QString::fromStdString(pupil.Record.LastPlayed.substr(0, 10))},
                 false);
        y += kRow;
    }
}

void CardPage(QPainter& p, const TPupilFigures& pupil, const TClassFigures& f, double pageHeight)
{
    const QString who = pupil.Record.Name.empty()
                            ? QString::fromStdString(pupil.Record.Login)
                            : QStringLiteral("%1 (%2)").arg(QString::fromStdString(pupil.Record.Name),
                                                            QString::fromStdString(pupil.Record.Login));
    Title(p, who,
          TrQ("TClassReport", "Progress card, %1: %2 games, %3 minutes")
              .arg(Period(f))
              .arg(pupil.Period.Games)
              .arg(Number(pupil.Period.Seconds / 60)));
    // The page the pupil sees in the program, without its Back control, which means nothing on paper.
    const double scale = 0.9;
    p.save();
    p.translate(kProgressWidth * (1 - scale) / 2, 30);
    p.scale(scale, scale);
    PaintProgress(p, CardData(pupil, f.Today));
    p.fillRect(BackControlRect().adjusted(-2, -2, 2, 2), Qt::white);
    p.restore();
    double y = 30 + kProgressHeight * scale + 4;
    p.setPen(kGreen);
    p.setFont(Font(8, true));
    p.drawText(QRectF(kLeft, y, kRight - kLeft, 11), Qt::AlignLeft | Qt::AlignVCenter,
               TrQ("TClassReport", "Last games"));
    y += 12;
    const TColumns widths = {{60, 40, 85, 30, 45, 45}, {true, true, true, false, false, false}};
    y = TableRow(p, y, widths,
                 {TrQ("TClassReport", "played"), TrQ("TClassReport", "game"),
                  TrQ("TClassReport", "key set or vocabulary"), TrQ("TClassReport", "score"),
                  TrQ("TClassReport", "accuracy %"), TrQ("TClassReport", "char./min")},
                 true);
    const std::vector<TPupilGame>& games = pupil.Record.Games;
    const int rows = std::max(0, int((pageHeight - y) / kRow));
    for (std::size_t i = games.size() > std::size_t(rows) ? games.size() - rows : 0; i < games.size();
         ++i, y += kRow) {
        TPlayFigures one;
        one.Add(games[i]);
        TableRow(p, y, widths,
                 {QString::fromStdString(games[i].PlayedAt.substr(0, 16)),
                  QString::fromStdString(games[i].Game), QString::fromStdString(games[i].Choice),
                  QString::number(games[i].Score), one.HasKeys() ? Number(one.Accuracy()) : QString(),
                  one.Seconds > 0 ? Number(one.Speed()) : QString()},
                 false);
    }
}

} // namespace

TProgressData CardData(const TPupilFigures& pupil, int today)
{
    TProgressData data;
    data.Today = today;
    data.Keyboard = TeacherKeyboard();
    for (const TKeyDay& d : pupil.Record.Days)
        if (d.Day > today - kChartDays && d.Day <= today)
            data.KeyDays.push_back(d);
    data.Ranking = pupil.Ranking;
    for (int g = 0; g < 3; ++g)
        for (const TPupilGame& game : pupil.Record.Games)
            if (game.Game == kHistoryGames[g]) {
                data.Scores[std::size_t(g)].push_back(game.Score);
                data.ScoreDays[std::size_t(g)].push_back(game.PlayedAt.substr(0, 10));
            }
    for (int g = 0; g < 3; ++g) {
        auto& s = data.Scores[std::size_t(g)];
        auto& d = data.ScoreDays[std::size_t(g)];
        if (s.size() > std::size_t(kChartGames)) {
            s.erase(s.begin(), s.end() - kChartGames);
            d.erase(d.begin(), d.end() - kChartGames);
        }
    }
    return data;
}

TProgressData ClassData(const TClassFigures& figures)
{
    TProgressData data;
    data.Today = figures.Today;
    data.Keyboard = TeacherKeyboard();
    for (const TPupilFigures& pupil : figures.Pupils)
        for (const TKeyDay& d : pupil.Record.Days)
            if (d.Day > figures.Today - figures.Days && d.Day <= figures.Today)
                AddToDay(data.KeyDays, d.Day, d.Keys);
    data.Ranking = RankKeys(data.KeyDays, figures.Today);
    return data;
}

bool WriteClassPdf(const TClassFigures& figures, const std::string& file, std::string& problem)
{
    const QString name = QFile::decodeName(QByteArray::fromStdString(file));
    QPdfWriter writer(name);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    writer.setResolution(300);
    writer.setTitle(TrQ("TClassReport", "Class report"));
    writer.setCreator(QStringLiteral("Keyvane's Games!"));
    QPainter p;
    if (!p.begin(&writer)) {
        problem = TrUtf8("TClassReport", "the file cannot be written");
        return false;
    }
    const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
    const double scale = area.width() / double(kProgressWidth);
    const double pageHeight = area.height() / scale;
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    ClassPage(p, writer, figures, pageHeight);
    for (const TPupilFigures& pupil : figures.Pupils) {
        writer.newPage();
        CardPage(p, pupil, figures, pageHeight);
    }
    if (!p.end()) {
        problem = TrUtf8("TClassReport", "the file cannot be written");
        return false;
    }
    // QPdfWriter says nothing of a file it could not make.
    if (!QFile::exists(name) || QFile(name).size() == 0) {
        problem = TrUtf8("TClassReport", "the file cannot be written");
        return false;
    }
    return true;
}

#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSvgRenderer>
#include <QTranslator>
#include <gtest/gtest.h>

#include <set>

namespace {

struct PictureSize {
    const char* file;
    int width;
    int height;
};

// Every picture the layouts place, at the size its control has: a missing or mis-sized picture breaks them.
const PictureSize kPictures[] = {
    {"background.svg", 804, 580},     {"cover.svg", 369, 511},
    {"book.svg", 779, 469},           {"tab_row_games.svg", 779, 61},
    {"exit_tab.svg", 58, 30},         {"page_separator.svg", 35, 442},
    {"title_strip.svg", 342, 56},     {"console_style1.svg", 193, 80},
    {"console_style2.svg", 193, 80},  {"button_begin.svg", 51, 63},
    {"button_next.svg", 49, 63},      {"button_back.svg", 50, 63},
    {"button_cancel.svg", 66, 63},    {"button_skip_forward.svg", 51, 63},
    {"button_skip_back.svg", 50, 63}, {"games_picture.svg", 324, 413},
    {"box_bubbles.svg", 160, 160},    {"box_wordtris.svg", 160, 160},
    {"box_clouds.svg", 160, 160},     {"box_info.svg", 160, 160},
    {"hand_cursor.svg", 32, 32},      {"app_icon.svg", 256, 256},
    {"right_console.svg", 155, 420},  {"left_console.svg", 563, 398},
    {"point_screen.svg", 140, 33},    {"miss_lcd.svg", 140, 33},
    {"word_lcd.svg", 220, 37},        {"bubble_on.svg", 21, 20},
    {"bubble_off.svg", 21, 20},       {"cloud_on.svg", 21, 20},
    {"cloud_off.svg", 21, 20},        {"cloud_white.svg", 92, 41},
    {"cloud_gray.svg", 92, 41},       {"cloud_dark.svg", 92, 41},
    {"cloud_bonus.svg", 92, 41},      {"tris_active.svg", 220, 30},
    {"tris_inactive.svg", 220, 30},   {"tris_image3.svg", 221, 30},
    {"tris_image7.svg", 30, 203},     {"tris_image13.svg", 30, 203},
    {"tris_left_block.svg", 60, 60},  {"tris_right_block.svg", 60, 60},
};

TEST(Pictures, EveryPictureIsCompiledInValidAndExactlyItsLayoutSize)
{
    for (const auto& p : kPictures) {
        QSvgRenderer renderer(PicturePath(p.file));
        ASSERT_TRUE(renderer.isValid()) << p.file;
        EXPECT_EQ(renderer.defaultSize(), QSize(p.width, p.height)) << p.file;
        EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, p.width, p.height)) << p.file;
    }
}

TEST(Pictures, TableCoversEveryCompiledPicture)
{
    std::set<QString> listed;
    for (const auto& p : kPictures)
        listed.insert(p.file);
    const QStringList compiled = QDir(":/pictures").entryList(QDir::Files);
    EXPECT_EQ(std::set<QString>(compiled.begin(), compiled.end()), listed);
}

// Mean luminance 0..1 of a region of a picture, as it shows on a white panel.
double Luminance(const QString& file, QSize size, QRect region)
{
    const QImage image = RenderPicture(file, size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            const int white = 255 - qAlpha(c);
            sum += 0.2126 * (qRed(c) + white) + 0.7152 * (qGreen(c) + white) + 0.0722 * (qBlue(c) + white);
        }
    return sum / (255.0 * region.width() * region.height());
}

// Labels are drawn over these pictures: white text needs a dark ground, black text a light one.
TEST(Pictures, LabelsDrawnOverPicturesStayReadable)
{
    struct Ground {
        const char* file;
        QSize size;
        QRect label;
        bool dark;
    };
    const Ground grounds[] = {
        {"cover.svg", {369, 511}, {84, 401, 210, 24}, true},       // "Loading, please wait..."
        {"games_picture.svg", {324, 413}, {4, 395, 64, 13}, true}, // "Version 4.5"
        {"box_bubbles.svg", {160, 160}, {14, 9, 100, 16}, true},   // box titles
        {"box_wordtris.svg", {160, 160}, {14, 9, 100, 16}, true},
        {"box_clouds.svg", {160, 160}, {14, 9, 100, 16}, true},
        {"box_info.svg", {160, 160}, {14, 9, 100, 16}, true},
        {"box_bubbles.svg", {160, 160}, {15, 43, 80, 14}, false}, // captions over the box bodies
        {"box_wordtris.svg", {160, 160}, {15, 43, 80, 14}, false},
        {"box_clouds.svg", {160, 160}, {15, 43, 80, 14}, false},
        {"box_info.svg", {160, 160}, {15, 43, 130, 70}, false},
        {"title_strip.svg", {342, 56}, {26, 11, 160, 34}, false}, // the black title
        {"tris_active.svg", {220, 30}, {18, 3, 190, 22}, true},   // white and red beam text
        {"tris_inactive.svg", {220, 30}, {18, 3, 190, 20}, false},
        {"point_screen.svg", {140, 33}, {28, 4, 105, 25}, true}, // lime score
        {"word_lcd.svg", {220, 37}, {7, 3, 200, 32}, true},
    };
    for (const auto& g : grounds) {
        const double l = Luminance(g.file, g.size, g.label);
        if (g.dark)
            EXPECT_LT(l, 0.35) << g.file;
        else
            EXPECT_GT(l, 0.8) << g.file;
    }
}

TEST(Pictures, HandCursorHotspotIsItsTopmostPoint)
{
    const QImage cursor = RenderPicture("hand_cursor.svg", {32, 32});
    EXPECT_GT(qAlpha(cursor.pixel(HandCursorHotspot)), 128);
    for (int y = 0; y < HandCursorHotspot.y(); ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_LT(qAlpha(cursor.pixel(x, y)), 128) << x << "," << y;
}

TEST(RenderPicture, DrawsAtDevicePixelsAndRefusesWhatItCannotDraw)
{
    const QImage sharp = RenderPicture("exit_tab.svg", {58, 30}, 2.0);
    EXPECT_EQ(sharp.size(), QSize(116, 60));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    // The whole picture is drawn: the tab's body reaches the bottom-centre device pixel.
    EXPECT_GT(qAlpha(sharp.pixel(58, 58)), 200);

    EXPECT_TRUE(RenderPicture("no_such_picture.svg", {10, 10}).isNull());
    EXPECT_TRUE(RenderPicture("exit_tab.svg", {0, 30}).isNull());
    EXPECT_TRUE(RenderPicture("exit_tab.svg", {58, 30}, 0.0).isNull());
}

// A translator that gives every text of the pictures' context one fixed word.
class TOneWord : public QTranslator {
  public:
    explicit TOneWord(QString word) : word_(std::move(word)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QByteArray(context) == "Pictures" && QByteArray(source) == "Exit" ? word_ : QString();
    }

  private:
    QString word_;
};

// The words on the tabs follow the player's language; any character a translation holds must leave the
// picture drawable, and without a translation the picture is drawn from its file unchanged.
TEST(RenderPicture, WordsOnTabsAreDrawnInThePlayersLanguage)
{
    QFile file(PicturePath("exit_tab.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(PictureSource(PicturePath("exit_tab.svg")), file.readAll());
    const QImage english = RenderPicture("exit_tab.svg", {58, 30});

    for (const QString& word : {QStringLiteral("Ende"), QStringLiteral("A<B & \"C\"")}) {
        TOneWord translator(word);
        QCoreApplication::installTranslator(&translator);
        const QByteArray source = PictureSource(PicturePath("exit_tab.svg"));
        const QImage translated = RenderPicture("exit_tab.svg", {58, 30});
        QCoreApplication::removeTranslator(&translator);
        EXPECT_FALSE(source.contains(">Exit<")) << word.toStdString();
        ASSERT_FALSE(translated.isNull()) << word.toStdString();
        EXPECT_NE(translated, english) << word.toStdString();
    }
}

} // namespace

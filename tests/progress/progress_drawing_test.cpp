#include "progress_drawing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

QImage Draw(const TProgressData& data, qreal scale)
{
    QImage image(QSize(kProgressWidth, kProgressHeight) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    PaintProgress(p, data);
    return image;
}

// The colour inside the key of ch, near its lower right corner, clear of the letter and the outline.
QColor KeyFill(const QImage& image, const std::string& layout, QChar ch)
{
    const QRectF box = KeyRectOf(layout, ch);
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(QPointF((box.right() - 3) * scale, (box.bottom() - 3) * scale).toPoint());
}

void Rate(TDifficultKeys& keys, unsigned char ch, int errorPercent)
{
    keys.TotalHits[ch] = 100;
    keys.TotalErrors[ch] = errorPercent;
    keys.Exposure[ch] = 100;
}

bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
           std::abs(a.blue() - b.blue()) <= 2;
}

TEST(ProgressDrawing, KeysAreColouredByTheirRatingAtBothScreenScales)
{
    TProgressData data;
    Rate(data.Keys, 'q', 25);     // rates 100: hot
    Rate(data.Keys, 'a', 0);      // typed, never wrong: calm
    Rate(data.Keys, 'w', 25 / 2); // 12 % rates 48
    Rate(data.Keys, 'P', 25);     // the capital makes its key hot too
    Rate(data.Keys, '.', 25);
    const struct {
        QChar key;
        QColor colour;
    } expected[] = {
        {'q', QColor(214, 64, 45)},   {'a', QColor(163, 209, 120)}, {'z', QColor(205, 205, 205)},
        {'w', KeyColour(48, true)},   {'p', QColor(214, 64, 45)},   {'.', QColor(214, 64, 45)},
        {'1', QColor(250, 250, 250)}, // digits are not rated
    };
    for (qreal scale : {1.0, 2.0}) {
        const QImage image = Draw(data, scale);
        for (const auto& e : expected)
            EXPECT_TRUE(Near(KeyFill(image, "us", e.key), e.colour))
                << "scale " << scale << " key " << e.key.toLatin1() << ": "
                << KeyFill(image, "us", e.key).name().toStdString() << " wanted "
                << e.colour.name().toStdString();
    }
}

TEST(ProgressDrawing, GermanAndFrenchKeyboardsPutTheKeysWhereTheirLayoutsHaveThem)
{
    TProgressData data;
    Rate(data.Keys, 'z', 25);
    Rate(data.Keys, 'y', 0);
    Rate(data.Keys, 'a', 25);
    // The hot z lies where the US keyboard has y (de), and the hot a where it has q (fr).
    const struct {
        const char* layout;
        QChar hotKey;
        QChar usPlace;
    } cases[] = {{"us", 'z', 'z'}, {"de", 'z', 'y'}, {"fr", 'a', 'q'}};
    for (const auto& c : cases) {
        data.Layout = c.layout;
        const QImage image = Draw(data, 2.0);
        EXPECT_EQ(KeyRectOf(c.layout, c.hotKey), KeyRectOf("us", c.usPlace)) << c.layout;
        EXPECT_TRUE(Near(KeyFill(image, c.layout, c.hotKey), QColor(214, 64, 45))) << c.layout;
    }
    EXPECT_TRUE(KeyRectOf("de", QChar(0xDF)).isValid()) << "the German keyboard has its sharp s";
}

} // namespace

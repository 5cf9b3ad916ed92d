#include "bubbles.h"
#include "counting_game.h"
#include "game_harness.h"

#include <QApplication>
#include <gtest/gtest.h>

// Run twice by CTest: as every test runs, and again with QT_SCALE_FACTOR=2, a screen of twice the
// pixel density. The game rules and positions must not change with the density; the field's bitmap
// must have the screen's pixels.
namespace {

qreal ScaleFactor()
{
    const QByteArray value = qgetenv("QT_SCALE_FACTOR");
    return value.isEmpty() ? 1.0 : value.toDouble();
}

class HighDensity : public testing::Test {
  protected:
    GameWorld world;
};

TEST_F(HighDensity, TheFieldBitmapHasTheScreensPixelsAndTheFieldsSize)
{
    CountingGame game("Event=Count;0");
    game.NextAllowed = false;
    game.Open();
    ASSERT_TRUE(game.PlayField);
    EXPECT_EQ(game.PlayField->devicePixelRatioF(), ScaleFactor());
    EXPECT_EQ(game.FieldSize(), QSize(718, 363));
    EXPECT_EQ(game.FieldBitmap.devicePixelRatio(), ScaleFactor());
    EXPECT_EQ(game.FieldBitmap.size(), QSize(718, 363) * ScaleFactor());

    // Drawing in field coordinates covers the whole bitmap, and the field shows all of it.
    game.FieldBitmap.fill(Qt::white);
    QPainter p(&game.FieldBitmap);
    p.fillRect(QRect(QPoint(0, 0), game.FieldSize()), Qt::black);
    p.end();
    const QImage& bitmap = game.FieldBitmap;
    EXPECT_EQ(bitmap.pixelColor(bitmap.width() - 1, bitmap.height() - 1), QColor(Qt::black));
    const QImage shown = game.PlayField->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() - 1), QColor(Qt::black));
    game.SetResult(2);
}

TEST_F(HighDensity, BubblesKeepTheirColumnsAndLevelRule)
{
    TBubbles game("Event=Bubbles;0");
    game.NextAllowed = false;
    game.Open();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(game.Columns[static_cast<std::size_t>(i)].X, 5 + 70 * i) << i;
    // A bubble popped 13 pixels above the bottom of the field counts as popped low.
    game.UpdateLevel(350);
    EXPECT_NEAR(game.Level, 1.0 + 0.1 + 0.4 / 80 * (350 - 283), 1e-4);
    game.SetResult(2);
}

} // namespace

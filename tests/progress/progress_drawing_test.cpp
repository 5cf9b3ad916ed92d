#include "progress_drawing.h"

#include "keyboard_layout.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

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
QColor KeyFill(const QImage& image, const std::vector<TKeyCap>& keyboard, QChar ch)
{
    const QRectF box = KeyRectOf(keyboard, ch);
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(QPointF((box.right() - 3) * scale, (box.bottom() - 3) * scale).toPoint());
}

// A key standing of the given difficulty, typed 100 times.
void Rate(TProgressData& data, unsigned char ch, double difficulty)
{
    TKeyStanding k;
    k.Ch = ch;
    k.Keystrokes = 100;
    k.Difficulty = difficulty;
    data.Ranking.push_back(k);
}

bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
           std::abs(a.blue() - b.blue()) <= 2;
}

TEST(ProgressDrawing, KeysAreColouredByTheirDifficultyAtBothScreenScales)
{
    TProgressData data;
    Rate(data, 'q', 30); // hot
    Rate(data, 'a', 0);  // typed, never wrong: calm
    Rate(data, 'w', 7);  // the middle step
    Rate(data, 'P', 30); // the capital makes its key hot too
    Rate(data, '.', 30);
    Rate(data, '1', 30); // digits are rated as letters are
    const struct {
        QChar key;
        QColor colour;
    } expected[] = {
        {'q', KeyStepColour(4)}, {'a', KeyStepColour(0)}, {'z', Qt::white}, // not typed: an outline
        {'w', KeyStepColour(2)}, {'p', KeyStepColour(4)}, {'.', KeyStepColour(4)},
        {'1', KeyStepColour(4)}, {'2', Qt::white}, // a digit not typed yet: an outline
    };
    for (qreal scale : {1.0, 2.0}) {
        const QImage image = Draw(data, scale);
        for (const auto& e : expected)
            EXPECT_TRUE(Near(KeyFill(image, UsKeyboard(), e.key), e.colour))
                << "scale " << scale << " key " << e.key.toLatin1() << ": "
                << KeyFill(image, UsKeyboard(), e.key).name().toStdString() << " wanted "
                << e.colour.name().toStdString();
    }
}

// On a Spanish keyboard ñ has a key of its own and á is typed with the acute accent's dead key,
// which takes its colour; the a key keeps its own.
TEST(ProgressDrawing, AccentedLettersColourTheirKeyOrTheirAccentsDeadKey)
{
    TProgressData data;
    data.Keyboard = KeyboardOf(NamedLayoutLabels("es"));
    ASSERT_FALSE(KeyRectOf(data.Keyboard, QChar(u'\u00B4')).isEmpty()) << "no Spanish keyboard data";
    Rate(data, '\xF1', 30); // ñ
    Rate(data, '\xE1', 7);  // á
    Rate(data, 'a', 0);
    const QImage image = Draw(data, 1);
    // Inside the key, clear of its outline and its small characters.
    const auto fill = [&](char16_t ch) {
        const QRectF box = KeyRectOf(data.Keyboard, QChar(ch));
        return image.pixelColor(QPointF(box.right() - 5, box.bottom() - 5).toPoint());
    };
    EXPECT_TRUE(Near(fill(u'\u00F1'), KeyStepColour(4))) << fill(u'\u00F1').name().toStdString();
    EXPECT_TRUE(Near(fill(u'\u00B4'), KeyStepColour(2))) << fill(u'\u00B4').name().toStdString();
    EXPECT_TRUE(Near(fill(u'a'), KeyStepColour(0))) << fill(u'a').name().toStdString();
}

// CIE L*a*b* of an sRGB colour, after simulating a colour vision deficiency with the matrices of
// Machado, Oliveira and Fernandes (2009) at full severity, applied in linear RGB.
std::array<double, 3> SimulatedLab(const QColor& c, const double (*m)[3])
{
    auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const double rgb[3] = {linear(c.redF()), linear(c.greenF()), linear(c.blueF())};
    double s[3];
    for (int i = 0; i < 3; ++i)
        s[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
    const double x = (0.4124 * s[0] + 0.3576 * s[1] + 0.1805 * s[2]) / 0.95047;
    const double y = 0.2126 * s[0] + 0.7152 * s[1] + 0.0722 * s[2];
    const double z = (0.0193 * s[0] + 0.1192 * s[1] + 0.9505 * s[2]) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

TEST(ProgressDrawing, NeighbouringStepsOfTheScaleStayApartForColourBlindEyes)
{
    const double none[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const double protanopia[3][3] = {
        {0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}};
    const double deuteranopia[3][3] = {
        {0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
    const double tritanopia[3][3] = {
        {1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}};
    const struct {
        const char* name;
        const double (*matrix)[3];
    } visions[] = {{"normal", none},
                   {"protanopia", protanopia},
                   {"deuteranopia", deuteranopia},
                   {"tritanopia", tritanopia}};
    for (const auto& v : visions)
        for (int step = 1; step < kKeySteps; ++step) {
            const auto a = SimulatedLab(KeyStepColour(step - 1), v.matrix);
            const auto b = SimulatedLab(KeyStepColour(step), v.matrix);
            const double dE = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
            EXPECT_GE(dE, 10) << v.name << ", steps " << step - 1 << " and " << step;
            EXPECT_LT(b[0], a[0]) << v.name << ": the lightness falls from step " << step - 1;
        }
    for (const auto& [difficulty, step] : std::vector<std::pair<double, int>>{
             {0, 0}, {2.4, 0}, {2.5, 1}, {5, 2}, {9.9, 2}, {10, 3}, {20, 4}, {500, 4}})
        EXPECT_EQ(KeyStep(difficulty), step) << difficulty;
}

TEST(ProgressDrawing, GermanAndFrenchKeyboardsPutTheKeysWhereTheirLayoutsHaveThem)
{
    TProgressData data;
    Rate(data, 'z', 30);
    Rate(data, 'y', 0);
    Rate(data, 'a', 30);
    // The hot z lies where the US keyboard has y (de), and the hot a where it has q (fr).
    const struct {
        const char* layout;
        QChar hotKey;
        QChar usPlace;
    } cases[] = {{"us", 'z', 'z'}, {"de", 'z', 'y'}, {"fr", 'a', 'q'}};
    for (const auto& c : cases) {
        data.Keyboard = KeyboardOf(NamedLayoutLabels(c.layout));
        const QImage image = Draw(data, 2.0);
        EXPECT_EQ(KeyRectOf(data.Keyboard, c.hotKey), KeyRectOf(UsKeyboard(), c.usPlace)) << c.layout;
        EXPECT_TRUE(Near(KeyFill(image, data.Keyboard, c.hotKey), KeyStepColour(4))) << c.layout;
    }
    EXPECT_TRUE(KeyRectOf(KeyboardOf(NamedLayoutLabels("de")), QChar(0xDF)).isValid())
        << "the German keyboard has its sharp s";
}

} // namespace

#include "bench_support.h"
#include "bubble_stg.h"
#include "cloud_game.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kClouds = 15;
// Clouds are drawn on this sky.
const QColor kSky(0, 128, 255);

struct TCloudRow {
    std::uint8_t kind;
    int shade; // 1 white, 2 grey, 3 dark or bonus (the word shows)
    const char* word;
};

// A busy sky from left to right, as it looks a while into a game: white clouds passing, stormy ones
// grey and dark, sunny ones still white and already bonus clouds.
const TCloudRow kSkyRows[kClouds] = {
    {TCloud::kStormy, 3, "elephant"},  {TCloud::kWhite, 1, ""},         {TCloud::kStormy, 3, "banana"},
    {TCloud::kSunny, 3, "butterfly"},  {TCloud::kStormy, 3, "kitchen"}, {TCloud::kWhite, 1, ""},
    {TCloud::kStormy, 2, "crocodile"}, {TCloud::kStormy, 3, "orange"},  {TCloud::kWhite, 1, ""},
    {TCloud::kSunny, 1, "pancake"},    {TCloud::kStormy, 2, "giraffe"}, {TCloud::kWhite, 1, ""},
    {TCloud::kStormy, 1, "tomato"},    {TCloud::kWhite, 1, ""},         {TCloud::kStormy, 1, "penguin"},
};
// The selected cloud, dark, with part of its word typed.
constexpr int kSelected = 4;

std::vector<TCloud> Sky(TCloudGame& game)
{
    const QSize field = game.FieldSize();
    const QImage* white = &BubbleStg->WhiteCloud->Picture();
    std::vector<TCloud> clouds;
    for (int i = 0; i < kClouds; ++i) {
        const TCloudRow& row = kSkyRows[i];
        TCloud& c = clouds.emplace_back();
        c.Kind = row.kind;
        c.Word = row.word;
        c.Canvas = &game.FieldBitmap;
        if (row.kind == TCloud::kStormy)
            c.Pictures = {white, &BubbleStg->GrayCloud->Picture(), &BubbleStg->DarkCloud->Picture()};
        else if (row.kind == TCloud::kSunny)
            c.Pictures = {white, white, &BubbleStg->BonusCloud->Picture()};
        else
            c.Pictures = {white, white, white};
        c.X = 20 + (field.width() - 120) * i / (kClouds - 1);
        c.Y = 5 + (i % 4) * (field.height() - 100) / 4;
        // Well clear of the points where the look changes, so that a step or two keeps it.
        c.GreyFrom = row.shade >= 2 ? c.X + 60 : c.X - 60;
        c.DarkFrom = row.shade == 3 ? c.X + 40 : c.X - 80;
        if (row.kind == TCloud::kSunny)
            c.GreyFrom = c.DarkFrom;
    }
    clouds[kSelected].TypedPos = 4;
    return clouds;
}

void RequireFullSky(const TCloudGame& game)
{
    Require(game.Clouds.size() == kClouds, "Clouds: the sky does not hold 15 clouds");
    Require(game.Selected == kSelected, "Clouds: the selection moved");
    Require(!game.FieldBitmap.isNull(), "Clouds: there is no field bitmap to draw on");
    int dark = 0;
    for (const TCloud& c : game.Clouds) {
        Require(c.Shade() == kSkyRows[&c - game.Clouds.data()].shade, "Clouds: a cloud changed its look");
        dark += c.Shade() == 3 ? 1 : 0;
        const QSize size = c.Pictures[0]->deviceIndependentSize().toSize();
        const int centreX = c.X + c.Width() / 2, centreY = c.Y + size.height() / 2;
        Require(game.FieldBitmap.pixel(centreX, centreY) != kSky.rgb(), "Clouds: a cloud was not drawn");
    }
    Require(dark == 5, "Clouds: the sky does not show five words");
}

// One step of a running game with fifteen clouds: every cloud drifts left, the sky is painted again
// with the clouds, the selection frame and the words of the dark and bonus clouds, and it is shown.
void BM_CloudsStep(benchmark::State& state)
{
    TCloudGame game("Event=Clouds;0;Bench words.vcb;True");
    Require(!game.Open(), "Clouds: the game did not open");
    EnterPlay(game);
    const std::vector<TCloud> clouds = Sky(game);

    game.Clouds = clouds;
    game.Selected = kSelected;
    game.Travel = 0;
    game.GameStep();
    RequireFullSky(game);

    for (auto _ : state) {
        // Back to the same sky: the clouds drift two pixels per step, and no new cloud comes while
        // the drift since the last one is short of the spacing.
        game.Clouds = clouds;
        game.Travel = 0;
        game.GameStep();
    }
    RequireFullSky(game);
    CloseGame(game);
}

} // namespace

BENCHMARK(BM_CloudsStep)->Unit(benchmark::kMicrosecond);

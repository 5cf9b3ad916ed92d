#include "bench_support.h"
#include "controls.h"
#include "wordtris.h"

#include <benchmark/benchmark.h>

namespace {

// Nine missed beams and the falling one in the top row: every row of the box holds a beam.
const std::vector<std::string> kMissed = {"aardvark", "crocodile", "banana",  "pancake", "giraffe",
                                          "tomato",   "penguin",   "kitchen", "orange"};
const std::string kBeam = "butterfly";

void RequireFullRows(TWTrisEvent& game)
{
    Require(game.RowImages.size() == TWTrisEvent::kRows, "WordTris: the box does not have ten rows");
    for (int row = 1; row <= TWTrisEvent::kRows; ++row) {
        Require(!game.RowTexts[static_cast<std::size_t>(row)].empty(), "WordTris: a row holds no beam");
        const QImage& canvas = game.RowImages[static_cast<std::size_t>(row - 1)]->Canvas();
        Require(!canvas.isNull(), "WordTris: a row has no picture to draw on");
        Require(canvas.pixelColor(2, canvas.height() / 2) != game.EmptyRowColour,
                "WordTris: a row was drawn empty");
    }
}

// Drawing the ten rows of a full box: nine grey beams with their words, and the falling beam with the
// typed part of its word in red.
void BM_WordTrisDrawRows(benchmark::State& state)
{
    TWTrisEvent game("Event=Tris;0;Bench words.vcb");
    Require(!game.Open(), "WordTris: the game did not open");
    EnterPlay(game);
    game.MissedWords = kMissed;
    game.CurrentWord = kBeam;
    game.BeamRow = 1;
    game.TypedIndex = 4;

    game.DrawRows(kBeam, 1);
    RequireFullRows(game);
    for (auto _ : state)
        game.DrawRows(kBeam, 1);
    RequireFullRows(game);
    CloseGame(game);
}

} // namespace

BENCHMARK(BM_WordTrisDrawRows)->Unit(benchmark::kMicrosecond);

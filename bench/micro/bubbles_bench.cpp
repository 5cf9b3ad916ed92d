#include "bench_support.h"
#include "bubbles.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kDecorBubbles = 20;

// A full field: a letter bubble in every column, of all three kinds at all heights and wobble phases.
std::vector<Tbubble> FullColumns(const TBubbles& game)
{
    std::vector<Tbubble> columns = game.Columns;
    for (int i = 0; i < TBubbles::kColumns; ++i) {
        Tbubble& b = columns[static_cast<std::size_t>(i)];
        b.Kind = Tbubble::kGreen + i % 3;
        b.Size = 35 + 5 * b.Kind;
        b.Launch(3 + b.Kind);
        b.Phase = i % 4;
        b.Y = 60 + 25 * i;
        b.Char = static_cast<unsigned char>('a' + i);
    }
    return columns;
}

// Small hollow bubbles spread over the field, clear of its top left corner, where the sky shows.
std::vector<Tbubble> Decoration(QSize field)
{
    std::vector<Tbubble> decor(kDecorBubbles);
    for (int i = 0; i < kDecorBubbles; ++i) {
        Tbubble& d = decor[static_cast<std::size_t>(i)];
        d.IsDecor = true;
        d.Size = 4 + i % 5;
        d.Launch(d.Size - 2);
        d.X = 20 + (field.width() - 40) * i / kDecorBubbles;
        d.Y = 80 + (field.height() - 100) * ((i * 7) % kDecorBubbles) / kDecorBubbles;
    }
    return decor;
}

void RequireFullField(const TBubbles& game)
{
    int active = 0;
    for (const Tbubble& b : game.Columns)
        active += b.Active ? 1 : 0;
    Require(active == TBubbles::kColumns, "Bubbles: the field lost letter bubbles");
    Require(game.Decor.size() == kDecorBubbles, "Bubbles: the field does not hold 20 decorative bubbles");
    Require(game.MissedCount == 0, "Bubbles: a bubble escaped");
    Require(!game.FieldBitmap.isNull(), "Bubbles: there is no field bitmap to draw on");
    const QRgb sky = game.FieldBitmap.pixel(2, 2);
    for (const Tbubble& b : game.Columns)
        Require(game.FieldBitmap.pixel(b.X + b.Size / 2, b.Y + b.Size / 2) != sky,
                "Bubbles: a letter bubble was not drawn");
}

// One step of a running game with ten letter bubbles and twenty decorative ones: every bubble rises,
// the sky is painted again and the field is shown.
void BM_BubblesStep(benchmark::State& state)
{
    TBubbles game("Event=Bubbles;0");
    game.KeySet = "abcdefghijklmnopqrstuvwxyz";
    Require(!game.Open(), "Bubbles: the game did not open");
    EnterPlay(game);
    const std::vector<Tbubble> columns = FullColumns(game);
    const std::vector<Tbubble> decor = Decoration(game.FieldSize());
    for (int i = 0; i < TBubbles::kColumns; ++i)
        game.ColumnChars[static_cast<std::size_t>(i)] = columns[static_cast<std::size_t>(i)].Char;
    // No new decorative bubble comes during the run (the last one came in the far future); with every
    // column busy no letter bubble can come either.
    game.LastDecor = 1e9;

    game.Columns = columns;
    game.Decor = decor;
    game.GameStep();
    RequireFullField(game);

    for (auto _ : state) {
        // Back to the full field: the bubbles rise a few pixels per step and would leave at the top.
        // Copying thirty small values costs nothing next to the step.
        game.Columns = columns;
        game.Decor = decor;
        game.GameStep();
    }
    RequireFullField(game);
    CloseGame(game);
}

} // namespace

BENCHMARK(BM_BubblesStep)->Unit(benchmark::kMicrosecond);

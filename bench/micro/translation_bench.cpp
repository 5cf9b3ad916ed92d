#include "event_view_stg.h"
#include "events_stg.h"
#include "games_stg.h"
#include "translation.h"

#include <benchmark/benchmark.h>

// What a translation adds to the start-up, against English (argument 0: English, 1: German): loading
// it (the program's translation and Qt's own), and building the storage forms whose captions are
// translated as they are made.

namespace {

const char* Language(const benchmark::State& state)
{
    return state.range(0) ? "de" : "en";
}

void BM_LoadTranslation(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(InstallTranslations(Language(state)));
    InstallTranslations("en");
}
BENCHMARK(BM_LoadTranslation)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BuildTranslatedForms(benchmark::State& state)
{
    InstallTranslations(Language(state));
    // The forms name themselves in globals; the program's own are given back afterwards.
    TGamesStg* games = GamesStg;
    TEventsStg* events = EventsStg;
    TEventViewStg* view = EventViewStg;
    for (auto _ : state) {
        TGamesStg g;
        TEventsStg e;
        TEventViewStg v;
        benchmark::DoNotOptimize(&v);
    }
    GamesStg = games;
    EventsStg = events;
    EventViewStg = view;
    InstallTranslations("en");
}
BENCHMARK(BM_BuildTranslatedForms)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

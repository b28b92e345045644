#include <benchmark/benchmark.h>

#include "bench_window.h"
#include "control_properties.h"
#include "drawing_board.h"
#include "main_window_refs.h"
#include "previews.h"

namespace {

// One preview of all six boards with the names the window starts with.
void BM_RenderPreviews(benchmark::State& state) {
    BenchWindow window;
    for (auto _ : state)
        RenderPreviews();
}
BENCHMARK(BM_RenderPreviews)->Unit(benchmark::kMicrosecond);

// Making the name font of one board: family, size and weight, as a preview sets them.
void BM_RealiseBoardFont(benchmark::State& state) {
    BenchWindow window;
    DrawingBoard* board = FindBoard(画板1);
    const Text family = Text::FromUtf8("方正小篆体");
    for (auto _ : state) {
        board->SetFontFamily(family);
        board->SetFontSize(36);
        board->SetFontBold(false);
        benchmark::DoNotOptimize(board->TextWidth(Text::FromUtf8("苏墨")));
    }
}
BENCHMARK(BM_RealiseBoardFont)->Unit(benchmark::kMicrosecond);

}  // namespace

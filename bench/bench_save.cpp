// One save of the composite picture without the dialog: composing the six previews on
// the hidden board, exporting it as a bitmap and writing the file.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "composite_picture.h"
#include "drawing_board.h"
#include "file_output.h"
#include "bench_window.h"

namespace {

void BM_ExportPicture(benchmark::State& state) {
    BenchWindow window;
    const DrawingBoard* composite = ComposePreviews();
    for (auto _ : state) {
        const QByteArray picture = composite->ExportPicture();
        benchmark::DoNotOptimize(picture.constData());
    }
    state.SetBytesProcessed(state.iterations() * composite->ExportPicture().size());
}
BENCHMARK(BM_ExportPicture)->Unit(benchmark::kMicrosecond);

// The file goes to a temporary folder, on the disk of the system's temporary files.
void BM_SaveWithoutDialog(benchmark::State& state) {
    BenchWindow window;
    const QTemporaryDir folder;
    const Text path = Text::FromQString(folder.filePath("签名.bmp"));
    for (auto _ : state) {
        const QByteArray picture = ComposePreviews()->ExportPicture();
        if (!WriteBytesToFile(path, picture)) state.SkipWithError("the file was not written");
    }
}
BENCHMARK(BM_SaveWithoutDialog)->Unit(benchmark::kMicrosecond);

}  // namespace

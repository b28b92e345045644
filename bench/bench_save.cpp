// One save of the composite picture without the dialog: composing the six previews on
// the hidden board, exporting it as a bitmap and writing the file. Without a display
// the main window is built on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "composite_picture.h"
#include "drawing_board.h"
#include "file_output.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "main_window_refs.h"
#include "shared_lists.h"
#include "web_strip.h"

namespace {

void BM_ExportPicture(benchmark::State& state) {
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
    const QTemporaryDir folder;
    const Text path = Text::FromQString(folder.filePath("签名.bmp"));
    for (auto _ : state) {
        const QByteArray picture = ComposePreviews()->ExportPicture();
        if (!WriteBytesToFile(path, picture)) state.SkipWithError("the file was not written");
    }
}
BENCHMARK(BM_SaveWithoutDialog)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    WebStrip::SetEngineAllowed(false);
    CreateSharedLists();
    if (!LoadWindow(MainWindowDescription(), nullptr, false)) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete LoadedWindow::Find(kMainWindowNumber);
    ReleaseSharedLists();
    return 0;
}

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <vector>

namespace {

// The physical floor of a save: the composite's 54 + 3 x 360 x 300 bytes copied into a
// buffer and written to a file, with nothing drawn, encoded or checked.
void BM_CopyAndWriteFloor(benchmark::State& state) {
    const std::vector<char> source(54 + 3 * 360 * 300, '\x5a');
    std::vector<char> buffer(source.size());
    QTemporaryDir folder;
    const QString path = folder.filePath("floor.bmp");
    for (auto _ : state) {
        std::memcpy(buffer.data(), source.data(), source.size());
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(buffer.data(), qint64(buffer.size()));
        file.close();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyAndWriteFloor)->Unit(benchmark::kMicrosecond);

}  // namespace

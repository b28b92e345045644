// The bitmap writer over any board size and any pixels: the file always has the size its
// headers give, and every pixel lands at its bottom-up, blue-green-red place.
#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "bitmap_writer.h"

namespace {
std::uint32_t Read32(const QByteArray& b, int at) {
    std::uint32_t v;
    std::memcpy(&v, b.constData() + at, 4);
    return v;  // little-endian machines only, as the fuzzers run on x86-64
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const int width = 1 + (data[0] | (data[1] & 0x01) << 8);   // 1 to 512
    const int height = 1 + (data[2] | (data[3] & 0x01) << 8);  // 1 to 512
    QImage image(width, height, QImage::Format_RGB32);
    const uint8_t* pixels = data + 4;
    const size_t count = size - 4;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const size_t at = count == 0 ? 0 : (size_t(y) * width + x) * 3 % count;
            line[x] = count == 0
                          ? qRgb(0, 0, 0)
                          : qRgb(pixels[at], pixels[(at + 1) % count], pixels[(at + 2) % count]);
        }
    }
    const QByteArray file = EncodeBitmap(image);
    const std::int64_t stride = BitmapStride(width);
    if (file.size() != 54 + stride * height) std::abort();
    if (file[0] != 'B' || file[1] != 'M' || Read32(file, 2) != std::uint32_t(file.size()))
        std::abort();
    if (Read32(file, 10) != 54 || Read32(file, 18) != std::uint32_t(width) ||
        Read32(file, 22) != std::uint32_t(height))
        std::abort();
    for (int y = 0; y < height; y += std::max(1, height / 7))
        for (int x = 0; x < width; x += std::max(1, width / 7)) {
            const QRgb p = image.pixel(x, y);
            const char* at = file.constData() + 54 + (height - 1 - y) * stride + 3 * x;
            if (uint8_t(at[0]) != qBlue(p) || uint8_t(at[1]) != qGreen(p) ||
                uint8_t(at[2]) != qRed(p))
                std::abort();
        }
    return 0;
}

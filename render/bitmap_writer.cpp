#include "bitmap_writer.h"

#include <cstring>
#include <limits>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void Put16(char* at, std::uint16_t value) {
    at[0] = char(value & 0xFF);
    at[1] = char(value >> 8);
}

void Put32(char* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xFF);
}

}  // namespace

QByteArray EncodeBitmap(const QImage& source) {
    if (source.isNull()) return {};
    const QImage image =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? source
            : source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return {};
    const std::int64_t width = image.width();
    const std::int64_t height = image.height();
    const std::int64_t stride = BitmapStride(width);
    const std::int64_t imageSize = stride * height;
    const std::int64_t fileSize = kFileHeaderSize + kInfoHeaderSize + imageSize;
    if (fileSize > std::numeric_limits<std::int32_t>::max()) return {};

    QByteArray bytes;
    try {
        bytes = QByteArray(qsizetype(fileSize), '\0');
    } catch (const std::bad_alloc&) {
        return {};
    }
    if (bytes.size() != fileSize) return {};
    char* out = bytes.data();

    out[0] = 'B';
    out[1] = 'M';
    Put32(out + 2, std::uint32_t(fileSize));
    Put16(out + 6, 0);
    Put16(out + 8, 0);
    Put32(out + 10, kFileHeaderSize + kInfoHeaderSize);

    char* info = out + kFileHeaderSize;
    Put32(info + 0, kInfoHeaderSize);
    Put32(info + 4, std::uint32_t(width));
    Put32(info + 8, std::uint32_t(height));  // positive: rows stored bottom-up
    Put16(info + 12, 1);
    Put16(info + 14, 24);
    Put32(info + 16, 0);  // uncompressed
    Put32(info + 20, std::uint32_t(imageSize));
    // Resolution and colour-table fields stay 0.

    char* pixels = info + kInfoHeaderSize;
    for (std::int64_t row = 0; row < height; ++row) {
        const auto* line =
            reinterpret_cast<const QRgb*>(image.constScanLine(int(height - 1 - row)));
        char* to = pixels + row * stride;
        for (std::int64_t column = 0; column < width; ++column) {
            const QRgb pixel = line[column];
            to[3 * column + 0] = char(qBlue(pixel));
            to[3 * column + 1] = char(qGreen(pixel));
            to[3 * column + 2] = char(qRed(pixel));
        }
    }
    return bytes;
}

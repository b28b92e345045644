#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>

// Row length in bytes of a 24-bit bitmap: 3 bytes a pixel, padded to a multiple of 4.
inline constexpr std::int64_t BitmapStride(std::int64_t width) {
    return ((24 * width + 31) / 32) * 4;
}

// A complete 24-bit bottom-up BMP file (file header, BITMAPINFOHEADER, pixels) of the
// image at its own size. Empty when the picture cannot be made.
QByteArray EncodeBitmap(const QImage& image);

#include <QImage>
#include <QtTest>

#include "bitmap_writer.h"

namespace {

QByteArray Hex(const char* spaced) {
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

// A picture whose every pixel differs from its neighbours, so a row or column out of
// place shows.
QImage Numbered(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF));
    return image;
}

}  // namespace

class BitmapFormatTest : public QObject {
    Q_OBJECT

  private slots:
    void headersAndLayout_data();
    void headersAndLayout();
    void coloursAreStoredBlueGreenRed_data();
    void coloursAreStoredBlueGreenRed();
    void noPictureGivesNoBytes();
};

void BitmapFormatTest::headersAndLayout_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("stride");
    QTest::addColumn<QByteArray>("headers");
    // File header, then BITMAPINFOHEADER: sizes, 1 plane, 24 bits, no compression,
    // image size, zero resolution and colour counts.
    QTest::newRow("1 wide: 3 pixel bytes, 1 padding byte")
        << 1 << 1 << 4
        << Hex("42 4d 3a 00 00 00 00 00 00 00 36 00 00 00 28 00 00 00 01 00 00 00 01 00 00 00 "
               "01 00 18 00 00 00 00 00 04 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
               "00 00");
    QTest::newRow("180 wide: a preview board")
        << 180 << 100 << 540
        << Hex("42 4d 26 d3 00 00 00 00 00 00 36 00 00 00 28 00 00 00 b4 00 00 00 64 00 00 00 "
               "01 00 18 00 00 00 00 00 f0 d2 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
               "00 00");
    QTest::newRow("181 wide: 3 padding bytes")
        << 181 << 3 << 544
        << Hex("42 4d 96 06 00 00 00 00 00 00 36 00 00 00 28 00 00 00 b5 00 00 00 03 00 00 00 "
               "01 00 18 00 00 00 00 00 60 06 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
               "00 00");
    QTest::newRow("360 wide: the composite")
        << 360 << 300 << 1080
        << Hex("42 4d d6 f1 04 00 00 00 00 00 36 00 00 00 28 00 00 00 68 01 00 00 2c 01 00 00 "
               "01 00 18 00 00 00 00 00 a0 f1 04 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
               "00 00");
}

void BitmapFormatTest::headersAndLayout() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, stride);
    QFETCH(QByteArray, headers);
    QCOMPARE(BitmapStride(width), stride);
    const QImage image = Numbered(width, height);
    const QByteArray bytes = EncodeBitmap(image);
    QCOMPARE(bytes.size(), 54 + qsizetype(stride) * height);
    QCOMPARE(bytes.left(54).toHex(' '), headers.toHex(' '));

    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    // The first pixel in the file is the bottom-left one; the last the top-right one.
    const QRgb bottomLeft = image.pixel(0, height - 1);
    QCOMPARE(data[54], qBlue(bottomLeft));
    QCOMPARE(data[55], qGreen(bottomLeft));
    QCOMPARE(data[56], qRed(bottomLeft));
    const QRgb topRight = image.pixel(width - 1, 0);
    const qsizetype last = 54 + qsizetype(stride) * (height - 1) + 3 * (width - 1);
    QCOMPARE(data[last + 2], qRed(topRight));
    // Every pixel where the format puts it; padding bytes are zero.
    for (int y = 0; y < height; ++y) {
        const uchar* row = data + 54 + qsizetype(stride) * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (row[3 * x] != qBlue(pixel) || row[3 * x + 1] != qGreen(pixel) ||
                row[3 * x + 2] != qRed(pixel))
                QFAIL(qPrintable(QString("pixel (%1, %2) misplaced").arg(x).arg(y)));
        }
        for (int pad = 3 * width; pad < stride; ++pad)
            QCOMPARE(row[pad], uchar(0));
    }
    QCOMPARE(EncodeBitmap(image), bytes);
}

void BitmapFormatTest::coloursAreStoredBlueGreenRed_data() {
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("white") << qRgb(255, 255, 255) << Hex("ff ff ff");
    QTest::newRow("black") << qRgb(0, 0, 0) << Hex("00 00 00");
    QTest::newRow("pure red") << qRgb(255, 0, 0) << Hex("00 00 ff");
    QTest::newRow("mixed") << qRgb(0x12, 0x34, 0x56) << Hex("56 34 12");
}

void BitmapFormatTest::coloursAreStoredBlueGreenRed() {
    QFETCH(QRgb, colour);
    QFETCH(QByteArray, stored);
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(colour);
    const QByteArray bytes = EncodeBitmap(image);
    QCOMPARE(bytes.mid(54, 8).toHex(' '), (stored + stored + Hex("00 00")).toHex(' '));
}

void BitmapFormatTest::noPictureGivesNoBytes() {
    QVERIFY(EncodeBitmap(QImage()).isEmpty());
}

QTEST_APPLESS_MAIN(BitmapFormatTest)
#include "test_bitmap_format.moc"

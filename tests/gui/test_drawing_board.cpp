#include <QApplication>
#include <QScreen>
#include <QtTest>

#include "colour_qt.h"
#include "drawing_board.h"

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

// The rectangle holding every pixel that differs from `background`; empty if none.
QRect InkBounds(const QImage& image, QRgb background) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool IsUniform(const QImage& image, QRgb colour) {
    return InkBounds(image, colour).isEmpty();
}

Text T(const char* utf8) {
    return Text::FromUtf8(utf8);
}

}  // namespace

class DrawingBoardTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void sizeAndFirstFill();
    void sameBackColourKeepsTheDrawingOtherColourReplacesIt();
    void blackBoardWithWhiteText();
    void faceColourIsLookedUpWhenFilling();
    void familyLengthRule_data();
    void familyLengthRule();
    void pointsBecomePixelsAtTheLogicalResolution();
    void emptyTextsMeasureZeroAndDrawNothing();
    void cellHeightIsTheSameForEveryText();
    void textIsDrawnWithItsCellAtThePoint();
    void measurementMatchesDrawing();
    void copyIsClippedToTheDestination_data();
    void copyIsClippedToTheDestination();
    void resizeKeepsTheOldPixels();
    void exportsTheRasterAsItIs_data();
    void exportsTheRasterAsItIs();
};

void DrawingBoardTest::initTestCase() {
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 96.0);
}

void DrawingBoardTest::sizeAndFirstFill() {
    // Never shown: drawing does not depend on visibility.
    DrawingBoard board(nullptr, 180, 100, kWhite, kBlack);
    QCOMPARE(board.Width(), 180);
    QCOMPARE(board.Height(), 100);
    const QImage raster = board.Snapshot();
    QCOMPARE(raster.size(), QSize(180, 100));
    QVERIFY(IsUniform(raster, qRgb(255, 255, 255)));
    DrawingBoard empty(nullptr, 0, 0, kWhite, kBlack);
    QCOMPARE(empty.Snapshot().size(), QSize(1, 1));
}

void DrawingBoardTest::sameBackColourKeepsTheDrawingOtherColourReplacesIt() {
    DrawingBoard board(nullptr, 180, 100, kWhite, kBlack);
    board.Clear();
    board.SetFontSize(20);
    board.WriteAt(10, 10, T("苏墨"));
    const QImage drawn = board.Snapshot();
    QVERIFY(!IsUniform(drawn, qRgb(255, 255, 255)));
    board.SetBackColour(kWhite);
    QCOMPARE(board.Snapshot(), drawn);
    board.SetBackColour(0x0000FF);
    QVERIFY(IsUniform(board.Snapshot(), qRgb(255, 0, 0)));
}

void DrawingBoardTest::blackBoardWithWhiteText() {
    DrawingBoard board(nullptr, 180, 100, kWhite, kBlack);
    board.Clear();
    board.SetTextColour(kWhite);
    board.SetBackColour(kBlack);
    QVERIFY(IsUniform(board.Snapshot(), qRgb(0, 0, 0)));
    board.SetFontSize(36);
    board.WriteAt(10, 10, T("Dadaz"));
    const QImage raster = board.Snapshot();
    int white = 0;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x) {
            const QRgb p = raster.pixel(x, y);
            // Only greys: white glyphs and their smoothed edges on black.
            QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
            white += p == qRgb(255, 255, 255);
        }
    QVERIFY(white > 50);
}

void DrawingBoardTest::faceColourIsLookedUpWhenFilling() {
    DrawingBoard board(nullptr, 56, 32, kFaceColour, kBlack);
    QVERIFY(IsUniform(board.Snapshot(), FaceColour().rgb()));
    board.SetBackColour(kWhite);
    board.SetBackColour(kFaceColour);
    board.Clear();
    QVERIFY(IsUniform(board.Snapshot(), FaceColour().rgb()));
}

void DrawingBoardTest::familyLengthRule_data() {
    QTest::addColumn<QByteArray>("family");
    QTest::addColumn<QString>("realised");
    QTest::newRow("empty") << QByteArray() << "宋体";
    QTest::newRow("32 bytes") << QByteArray(32, 'A') << "宋体";
    QTest::newRow("31 bytes") << QByteArray(31, 'A') << QString(31, 'A');
    QTest::newRow("16 bytes of Chinese") << EncodeGb18030("方正硬笔行书简体") << "方正硬笔行书简体";
    QTest::newRow("1 byte") << QByteArray("A") << "A";
}

void DrawingBoardTest::familyLengthRule() {
    QFETCH(QByteArray, family);
    QFETCH(QString, realised);
    DrawingBoard board(nullptr, 10, 10, kWhite, kBlack);
    board.SetFontFamily(Text::FromBytes(family));
    QCOMPARE(board.CurrentFont().families().value(0), realised);
}

void DrawingBoardTest::pointsBecomePixelsAtTheLogicalResolution() {
    DrawingBoard board(nullptr, 10, 10, kWhite, kBlack);
    for (auto [points, pixels] : {std::pair{9, 12}, {28, 37}, {36, 48}}) {
        board.SetFontSize(points);
        QCOMPARE(board.CurrentFont().pixelSize(), pixels);
    }
    board.SetFontBold(true);
    QCOMPARE(board.CurrentFont().weight(), QFont::Bold);
    board.SetFontBold(false);
    QCOMPARE(board.CurrentFont().weight(), QFont::Normal);

    DrawingBoard zero(nullptr, 10, 10, kWhite, kBlack);
    zero.SetFontFamily(T("宋体"));
    zero.SetFontSize(0);
    DrawingBoard negative(nullptr, 10, 10, kWhite, kBlack);
    negative.SetFontFamily(T("宋体"));
    negative.SetFontSize(-1);
    QCOMPARE(negative.CurrentFont(), zero.CurrentFont());
    QCOMPARE(negative.TextWidth(T("苏墨")), zero.TextWidth(T("苏墨")));
}

void DrawingBoardTest::emptyTextsMeasureZeroAndDrawNothing() {
    DrawingBoard board(nullptr, 180, 100, kWhite, kBlack);
    board.SetFontSize(36);
    QCOMPARE(board.TextWidth(T("")), 0);
    QCOMPARE(board.TextHeight(T("")), 0);
    QCOMPARE(board.TextWidth(Text()), 0);
    const QImage before = board.Snapshot();
    board.WriteAt(10, 10, T(""));
    board.WriteAt(10, 10, Text());
    QCOMPARE(board.Snapshot(), before);
}

void DrawingBoardTest::cellHeightIsTheSameForEveryText() {
    DrawingBoard board(nullptr, 180, 100, kWhite, kBlack);
    board.SetFontFamily(T("方正小篆体"));
    board.SetFontSize(36);
    const int height = board.TextHeight(T("W"));
    QVERIFY(height >= 48);
    for (const char* text : {"苏墨", ".", "g", "Dadaz", "䶮"})
        QCOMPARE(board.TextHeight(T(text)), height);
}

void DrawingBoardTest::textIsDrawnWithItsCellAtThePoint() {
    DrawingBoard board(nullptr, 180, 100, kWhite, kBlack);
    board.Clear();
    board.SetFontSize(28);
    const Text text = T("HH");
    board.WriteAt(20, 30, text);
    const QRect ink = InkBounds(board.Snapshot(), qRgb(255, 255, 255));
    const QRect cell(20, 30, board.TextWidth(text), board.TextHeight(text));
    QVERIFY2(cell.adjusted(-1, 0, 1, 0).contains(ink), qPrintable(QString("ink %1,%2 %3x%4")
                                                                      .arg(ink.x())
                                                                      .arg(ink.y())
                                                                      .arg(ink.width())
                                                                      .arg(ink.height())));
    // Capital H reaches from the baseline up to near the top of the cell.
    QVERIFY(ink.top() - cell.top() < cell.height() / 3);
    QVERIFY(ink.left() - cell.left() <= 4);
}

void DrawingBoardTest::measurementMatchesDrawing() {
    // A text drawn at its own width to the left of x = 0 leaves no ink on the board.
    DrawingBoard board(nullptr, 180, 100, kWhite, kBlack);
    board.Clear();
    board.SetFontSize(36);
    const Text text = T("苏墨");
    board.WriteAt(-board.TextWidth(text) - 2, 10, text);
    QVERIFY(IsUniform(board.Snapshot(), qRgb(255, 255, 255)));
    board.WriteAt(0, -board.TextHeight(text), text);
    QVERIFY(IsUniform(board.Snapshot(), qRgb(255, 255, 255)));
    // Far outside in any direction: clipped, no error.
    board.WriteAt(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), text);
    board.WriteAt(std::numeric_limits<int>::max(), 0, text);
    QVERIFY(IsUniform(board.Snapshot(), qRgb(255, 255, 255)));
}

void DrawingBoardTest::copyIsClippedToTheDestination_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRect>("covered");
    QTest::newRow("bottom-right sixth") << QPoint(180, 200) << QRect(180, 200, 180, 100);
    QTest::newRow("partly outside") << QPoint(300, 250) << QRect(300, 250, 60, 50);
    QTest::newRow("partly left and above") << QPoint(-170, -95) << QRect(0, 0, 10, 5);
    QTest::newRow("wholly outside") << QPoint(360, 0) << QRect();
    QTest::newRow("far outside") << QPoint(std::numeric_limits<int>::min(), 0) << QRect();
}

void DrawingBoardTest::copyIsClippedToTheDestination() {
    QFETCH(QPoint, at);
    QFETCH(QRect, covered);
    DrawingBoard source(nullptr, 180, 100, kBlack, kWhite);
    source.SetFontSize(36);
    source.WriteAt(0, 0, T("苏"));
    DrawingBoard destination(nullptr, 360, 300, 0x0000FF, kBlack);
    source.CopyTo(destination, at.x(), at.y());
    const QImage result = destination.Snapshot();
    const QImage original = source.Snapshot();
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x) {
            const QRgb expected =
                covered.contains(x, y) ? original.pixel(x - at.x(), y - at.y()) : qRgb(255, 0, 0);
            if (result.pixel(x, y) != expected)
                QFAIL(qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
        }
}

void DrawingBoardTest::resizeKeepsTheOldPixels() {
    DrawingBoard board(nullptr, 56, 32, 0x00FF00, kBlack);
    board.SetFontSize(12);
    board.WriteAt(2, 2, T("AB"));
    const QImage before = board.Snapshot();
    board.Resize(360, 300);
    QCOMPARE(board.Width(), 360);
    QCOMPARE(board.Height(), 300);
    const QImage after = board.Snapshot();
    QCOMPARE(after.size(), QSize(360, 300));
    QCOMPARE(after.copy(0, 0, 56, 32), before);
    QVERIFY(IsUniform(after.copy(56, 0, 304, 300), qRgb(0, 255, 0)));
    QVERIFY(IsUniform(after.copy(0, 32, 360, 268), qRgb(0, 255, 0)));
    board.Resize(360, 300);
    QCOMPARE(board.Snapshot(), after);
    board.Resize(20, 10);
    QCOMPARE(board.Snapshot(), before.copy(0, 0, 20, 10));
}

void DrawingBoardTest::exportsTheRasterAsItIs_data() {
    QTest::addColumn<Colour>("back");
    QTest::addColumn<char>("pixelByte");
    QTest::newRow("white board") << kWhite << char(0xFF);
    QTest::newRow("black board") << kBlack << char(0x00);
}

void DrawingBoardTest::exportsTheRasterAsItIs() {
    QFETCH(Colour, back);
    QFETCH(char, pixelByte);
    // Never shown: the picture comes from the raster.
    DrawingBoard board(nullptr, 180, 100, kWhite, kBlack);
    board.SetBackColour(back);
    board.Clear();
    const QByteArray picture = board.ExportPicture();
    QCOMPARE(picture.size(), 54 + 540 * 100);
    QCOMPARE(picture.left(2), QByteArray("BM"));
    QCOMPARE(picture.mid(54), QByteArray(540 * 100, pixelByte));

    board.SetTextColour(back ^ 0xFFFFFF);
    board.SetFontSize(28);
    board.WriteAt(10, 10, T("苏墨"));
    const QByteArray drawn = board.ExportPicture();
    QVERIFY(drawn != picture);
    QCOMPARE(board.ExportPicture(), drawn);
}

QTEST_MAIN(DrawingBoardTest)
#include "test_drawing_board.moc"

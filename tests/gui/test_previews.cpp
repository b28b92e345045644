#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include "centring.h"
#include "drawing_board.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "main_window_refs.h"
#include "shared_lists.h"
#include "style_table.h"
#include "web_strip.h"

namespace {

const QString kBoards[] = {"画板1", "画板2", "画板3", "画板4", "画板5", "画板6"};
const QString kLabels[] = {"篆体签", "草书签", "行书签", "艺术签", "英文签", "英文签"};

bool IsGrey(QRgb p) {
    return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
}

// Pixels that differ from the background inside `area`.
QRect InkIn(const QImage& image, QRgb background, QRect area) {
    QRect ink;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF)) ink |= QRect(x, y, 1, 1);
    return ink;
}

// The cell a label occupies: "宋体" 9 points at (5, 5).
QRect LabelCell(const QString& label) {
    DrawingBoard probe(nullptr, 180, 100, 0x000000, 0xFFFFFF);
    probe.SetFontFamily(Text::FromUtf8("宋体"));
    probe.SetFontSize(9);
    const Text text = Text::FromQString(label);
    return QRect(5, 5, probe.TextWidth(text), probe.TextHeight(text)).adjusted(-1, -1, 1, 1);
}

}  // namespace

class PreviewsTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void centringTruncatesTowardZero_data();
    void centringTruncatesTowardZero();
    void listsAfterStartup();
    void startupPreviewsAreWhiteOnBlackAndCentred();
    void invertTakesEffectOnlyOnPreview();
    void latinNameReachesOnlyItsBoards();
    void sameInputsGiveIdenticalBoards();
    void emptyChineseNameLeavesOnlyLabels();
    void longNameIsCutOffOnBothSides();
    void rareCharacterIsDrawnAsTyped();

  private:
    DrawingBoard* Board(int index) const {
        return window_->findChild<DrawingBoard*>(kBoards[index - 1]);
    }
    QImage Shot(int index) const { return Board(index)->Snapshot(); }
    void SetName(const char* edit, const QString& text) {
        window_->findChild<QLineEdit*>(edit)->setText(text);
    }
    void ClickPreview() {
        QTest::mouseClick(window_->findChild<QPushButton*>("按钮1"), Qt::LeftButton);
    }

    LoadedWindow* window_ = nullptr;
};

void PreviewsTest::init() {
    WebStrip::SetEngineAllowed(false);
    CreateSharedLists();
    QVERIFY(LoadWindow(MainWindowDescription(), nullptr, false));
    window_ = LoadedWindow::Find(kMainWindowNumber);
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void PreviewsTest::cleanup() {
    delete window_;
    ReleaseSharedLists();
}

void PreviewsTest::centringTruncatesTowardZero_data() {
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("inner");
    QTest::addColumn<int>("offset");
    QTest::newRow("75 wide on 180") << 180 << 75 << 52;
    QTest::newRow("49 high on 100") << 100 << 49 << 25;
    QTest::newRow("201 wide on 180") << 180 << 201 << -10;
    QTest::newRow("even difference") << 180 << 80 << 50;
    QTest::newRow("empty text") << 180 << 0 << 90;
}

void PreviewsTest::centringTruncatesTowardZero() {
    QFETCH(int, outer);
    QFETCH(int, inner);
    QFETCH(int, offset);
    QCOMPARE(CentredOffset(outer, inner), offset);
}

void PreviewsTest::listsAfterStartup() {
    QCOMPARE(previewBoards.Count(), 6);
    const ControlRef expected[] = {画板1, 画板2, 画板3, 画板4, 画板5, 画板6};
    for (int i = 1; i <= 6; ++i) {
        QVERIFY(previewBoards.At(i) == expected[i - 1]);
        QCOMPARE(styleLabels.At(i).ToQString(), kLabels[i - 1]);
        QCOMPARE(styleFonts.At(i).ToQString(), QString::fromUtf8(kStyleTable[i - 1].family));
    }
    QCOMPARE(styleFonts.At(4).ToQString(), QString("琮翊签名体"));
    // The two labels "英文签" are separate copies.
    QVERIFY(styleLabels.At(5) == styleLabels.At(6));
    QVERIFY(styleLabels.At(5).Data() != styleLabels.At(6).Data());
}

void PreviewsTest::startupPreviewsAreWhiteOnBlackAndCentred() {
    for (int i = 1; i <= 6; ++i) {
        const QImage shot = Shot(i);
        QCOMPARE(shot.size(), QSize(180, 100));
        int black = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                QVERIFY2(IsGrey(shot.pixel(x, y)), qPrintable(kBoards[i - 1]));
                black += (shot.pixel(x, y) & 0xFFFFFF) == 0;
            }
        QVERIFY(black > 180 * 100 / 2);
        const QRect label = LabelCell(kLabels[i - 1]);
        QVERIFY(!InkIn(shot, qRgb(0, 0, 0), label).isEmpty());
        // Everything else is the name; its ink is centred up to the glyphs' side bearings.
        QRect name;
        for (const QRect& part :
             {QRect(0, label.bottom() + 1, 180, 100), QRect(label.right() + 1, 0, 180, 100)})
            name |= InkIn(shot, qRgb(0, 0, 0), part);
        QVERIFY2(name.width() > 40, qPrintable(kBoards[i - 1]));
        const int left = name.left(), right = 179 - name.right();
        QVERIFY2(std::abs(left - right) <= 8,
                 qPrintable(QString("%1: %2 vs %3").arg(kBoards[i - 1]).arg(left).arg(right)));
        const int top = name.top(), bottom = 99 - name.bottom();
        QVERIFY2(std::abs(top - bottom) <= 20,
                 qPrintable(QString("%1: %2 vs %3").arg(kBoards[i - 1]).arg(top).arg(bottom)));
    }
}

void PreviewsTest::invertTakesEffectOnlyOnPreview() {
    QImage before[6];
    for (int i = 1; i <= 6; ++i)
        before[i - 1] = Shot(i);
    QTest::mouseClick(window_->findChild<QCheckBox*>("选择框1"), Qt::LeftButton, {}, QPoint(5, 10));
    QVERIFY(!window_->findChild<QCheckBox*>("选择框1")->isChecked());
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(Shot(i), before[i - 1]);
    ClickPreview();
    for (int i = 1; i <= 6; ++i) {
        const QImage shot = Shot(i);
        QCOMPARE(shot.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(shot.pixel(179, 99), qRgb(255, 255, 255));
        QCOMPARE(Board(i)->TextColour(), Colour(0x000000));
        QCOMPARE(Board(i)->BackColour(), Colour(0xFFFFFF));
        QVERIFY(!InkIn(shot, qRgb(255, 255, 255), shot.rect()).isEmpty());
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 180; ++x)
                QVERIFY(IsGrey(shot.pixel(x, y)));
    }
}

void PreviewsTest::latinNameReachesOnlyItsBoards() {
    QImage before[6];
    for (int i = 1; i <= 6; ++i)
        before[i - 1] = Shot(i);
    SetName("编辑框2", "Wang Xiaoming");
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(Shot(i), before[i - 1]);
    ClickPreview();
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(Shot(i), before[i - 1]);
    for (int i = 5; i <= 6; ++i)
        QVERIFY(Shot(i) != before[i - 1]);
}

void PreviewsTest::sameInputsGiveIdenticalBoards() {
    SetName("编辑框1", "王小明");
    ClickPreview();
    QImage first[6];
    for (int i = 1; i <= 6; ++i)
        first[i - 1] = Shot(i);
    ClickPreview();
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(Shot(i), first[i - 1]);
}

void PreviewsTest::emptyChineseNameLeavesOnlyLabels() {
    SetName("编辑框1", "");
    ClickPreview();
    for (int i = 1; i <= 4; ++i) {
        const QImage shot = Shot(i);
        const QRect ink = InkIn(shot, qRgb(0, 0, 0), shot.rect());
        QVERIFY(!ink.isEmpty());
        QVERIFY2(LabelCell(kLabels[i - 1]).contains(ink), qPrintable(kBoards[i - 1]));
    }
    QVERIFY(!LabelCell("英文签").contains(InkIn(Shot(5), qRgb(0, 0, 0), QRect(0, 0, 180, 100))));
}

void PreviewsTest::longNameIsCutOffOnBothSides() {
    SetName("编辑框1", QString("苏墨").repeated(40));
    ClickPreview();
    for (int i = 1; i <= 4; ++i) {
        const QImage shot = Shot(i);
        // The name's row is inked at both edges of the board.
        const QRect row(0, 40, 180, 30);
        const QRect ink = InkIn(shot, qRgb(0, 0, 0), row);
        QCOMPARE(ink.left(), 0);
        QCOMPARE(ink.right(), 179);
    }
}

void PreviewsTest::rareCharacterIsDrawnAsTyped() {
    // Characters GBK cannot hold: a conversion through GBK would draw "?" instead.
    for (const QString& rare : {QString("䶮"), QString("𠀀")}) {
        SetName("编辑框1", rare);
        ClickPreview();
        DrawingBoard* board = Board(1);
        const QImage shot = board->Snapshot();
        QImage direct(180, 100, QImage::Format_RGB32);
        direct.setDotsPerMeterX(shot.dotsPerMeterX());
        direct.setDotsPerMeterY(shot.dotsPerMeterY());
        direct.fill(Qt::black);
        QPainter painter(&direct);
        painter.setFont(board->CurrentFont());
        painter.setPen(Qt::white);
        const QFontMetrics metrics(board->CurrentFont(), &direct);
        painter.drawText(CentredOffset(180, metrics.horizontalAdvance(rare)),
                         CentredOffset(100, metrics.height()) + metrics.ascent(), rare);
        painter.end();
        const QRect below(0, 30, 180, 70);
        QVERIFY(!InkIn(direct, qRgb(0, 0, 0), below).isEmpty());
        QCOMPARE(shot.copy(below), direct.copy(below));
    }
}

QTEST_MAIN(PreviewsTest)
#include "test_previews.moc"

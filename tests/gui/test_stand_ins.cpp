#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLineEdit>
#include <QPushButton>
#include <QTextLayout>
#include <QtTest>

#include "bundled_fonts.h"
#include "drawing_board.h"
#include "font_renaming.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "main_window_refs.h"
#include "shared_lists.h"
#include "web_strip.h"

namespace {

const QString kBoards[] = {"画板1", "画板2", "画板3", "画板4", "画板5", "画板6"};
const QString kStandIns[] = {"ZCOOL XiaoWei", "Liu Jian Mao Cao", "Long Cang",
                             "Zhi Mang Xing", "Dancing Script",   "Kaushan Script"};

// The board below its label, where the name is drawn.
QImage NameArea(DrawingBoard* board) {
    return board->Snapshot().copy(0, 24, 180, 76);
}

// True when every glyph of the text, in whichever face Qt takes it from, is a real glyph.
bool DrawnWithoutMissingGlyphs(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes())
            if (glyph == 0) return false;
    return !layout.glyphRuns().isEmpty();
}

}  // namespace

class StandInsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void eachStyleHasItsOwnStandIn();
    void installedFamilyIsUsedBeforeItsStandIn();
    void charactersAStandInLacksStillDraw();
    void labelsUseASongFace();

  private:
    DrawingBoard* Board(int i) const { return window_->findChild<DrawingBoard*>(kBoards[i - 1]); }
    void Preview() { QTest::mouseClick(window_->findChild<QPushButton*>("按钮1"), Qt::LeftButton); }
    LoadedWindow* window_ = nullptr;
};

void StandInsTest::initTestCase() {
    for (const char* family :
         {"方正小篆体", "方正黄草简体", "方正硬笔行书简体", "琮翊签名体", "华文行楷", "华文隶书"})
        if (QFontDatabase::hasFamily(family)) QSKIP("a style family is installed on this machine");
    QCOMPARE(RegisterBundledFonts(), 7);
}

void StandInsTest::init() {
    WebStrip::SetEngineAllowed(false);
    CreateSharedLists();
    QVERIFY(LoadWindow(MainWindowDescription(), nullptr, false));
    window_ = LoadedWindow::Find(kMainWindowNumber);
}

void StandInsTest::cleanup() {
    delete window_;
    ReleaseSharedLists();
}

void StandInsTest::eachStyleHasItsOwnStandIn() {
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(QFontInfo(Board(i)->CurrentFont()).family(), kStandIns[i - 1]);
    // No two boards look alike with the names the window starts with.
    for (int i = 1; i <= 6; ++i)
        for (int j = i + 1; j <= 6; ++j)
            QVERIFY2(NameArea(Board(i)) != NameArea(Board(j)),
                     qPrintable(kBoards[i - 1] + " " + kBoards[j - 1]));
}

void StandInsTest::installedFamilyIsUsedBeforeItsStandIn() {
    QFile file("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const int id =
        QFontDatabase::addApplicationFontFromData(FontWithFamily(file.readAll(), "方正小篆体"));
    QVERIFY(id >= 0);
    QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList{"方正小篆体"});
    window_->findChild<QLineEdit*>("编辑框1")->setText("Dadaz");
    const QImage standIn = NameArea(Board(1));
    Preview();
    QCOMPARE(QFontInfo(Board(1)->CurrentFont()).family(), QString("方正小篆体"));
    QCOMPARE(QFontInfo(Board(2)->CurrentFont()).family(), kStandIns[1]);
    QVERIFY(NameArea(Board(1)) != standIn);
    QFontDatabase::removeApplicationFont(id);
}

void StandInsTest::charactersAStandInLacksStillDraw() {
    // 䶮 and 𠀀 lie outside the simplified-Chinese sets the stand-ins cover.
    const QString rare = QStringLiteral("䶮𠀀苏");
    for (int i = 1; i <= 6; ++i)
        QVERIFY2(DrawnWithoutMissingGlyphs(Board(i)->CurrentFont(), rare),
                 qPrintable(kBoards[i - 1]));
    window_->findChild<QLineEdit*>("编辑框1")->setText(rare);
    Preview();
    QVERIFY(NameArea(Board(1)) != QImage(180, 76, QImage::Format_RGB32));
}

void StandInsTest::labelsUseASongFace() {
    DrawingBoard probe(nullptr, 10, 10, 0xFFFFFF, 0);
    probe.SetFontFamily(Text::FromUtf8("宋体"));
    const QString face = QFontInfo(probe.CurrentFont()).family();
    QVERIFY2(face == "宋体" || face == "SimSun" || face == "Noto Serif CJK SC" ||
                 face == "AR PL UMing CN",
             qPrintable(face));
}

QTEST_MAIN(StandInsTest)
#include "test_stand_ins.moc"

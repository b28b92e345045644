#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include "program_under_test.h"

namespace {

const QString kProgram = QStringLiteral(GLYPHORA_PROGRAM);
const QString kProbe = QStringLiteral(GLYPHORA_PROBE);

// Where the client area of a window of the given outer size lands on this screen.
QPoint CentredClientOrigin(QSize outer) {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

  private slots:
    void opensCentredWithItsCaption();
    void escapeEndsWithStatusZeroAfterTheExitRoutineRanOnce();
    void closeBoxEndsWithStatusZero();
    void failedIndexTestShowsTheBoxAndEndsWith255();
    void previewsAreOnTheFirstFrame();
    void webStripShowsTheEngine();
};

void ProgramTest::opensCentredWithItsCaption() {
    ProgramUnderTest program(kProgram);
    QVERIFY(program.Start());
    const unsigned long window = program.WaitForWindow("Glyphora  v3.0 官方正式版");
    const QRect client = program.ClientGeometry(window);
    QCOMPARE(client.size(), QSize(415, 556));
    QCOMPARE(client.topLeft(), CentredClientOrigin({421, 585}));
    if (QGuiApplication::primaryScreen()->size().height() == 576) QCOMPARE(client.top(), -4);
    // The focus starts in the Chinese name: typing replaces nothing and lands there.
    QCOMPARE(Xdotool({"getwindowfocus"}).toULong(), window);
}

void ProgramTest::escapeEndsWithStatusZeroAfterTheExitRoutineRanOnce() {
    ProgramUnderTest program(kProbe, {"--report-exit-routine"});
    QVERIFY(program.Start());
    program.Key("Escape");
    QVERIFY(program.WaitForExit());
    QCOMPARE(program.ExitCode(), 0);
    QCOMPARE(QString::fromUtf8(program.StandardOutput()), QString("exit routine ran 1 time(s)\n"));
}

void ProgramTest::closeBoxEndsWithStatusZero() {
    ProgramUnderTest program(kProgram);
    QVERIFY(program.Start());
    const unsigned long window = program.WaitForWindow("Glyphora  v3.0 官方正式版");
    program.Close(window);
    QVERIFY(program.WaitForExit());
    QCOMPARE(program.ExitCode(), 0);
}

void ProgramTest::failedIndexTestShowsTheBoxAndEndsWith255() {
    ProgramUnderTest program(kProbe, {"--read-list-element", "7", "--report-exit-routine"});
    QVERIFY(program.Start());
    const unsigned long box = program.WaitForWindow("错误");
    QVERIFY(box != 0);
    // The box does not hold the main window: it is still there and enabled.
    QVERIFY(program.WaitForWindow("Glyphora  v3.0 官方正式版", 1000) != 0);
    QVERIFY(!program.WaitForExit(500));
    Xdotool({"windowfocus", "--sync", QString::number(box)});
    program.Key("Return");
    QVERIFY(program.WaitForExit());
    QCOMPARE(program.ExitCode(), 255);
    // The box's text also goes to the error stream, where the test can read it.
    QVERIFY(QString::fromUtf8(program.StandardError())
                .contains("运行时出错!"
                          "\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"));
    QCOMPARE(program.StandardOutput(), QByteArray());
}

void ProgramTest::previewsAreOnTheFirstFrame() {
    ProgramUnderTest program(kProgram);
    QVERIFY(program.Start());
    const QRect client = program.ClientGeometry(program.WaitForWindow("Glyphora  v3.0 官方正式版"));
    const QImage shot = program.Screenshot();
    // Boards in two columns (x 8 and 224) and three rows (y 64, 176, 288), white on black.
    for (int column : {8, 224})
        for (int row : {64, 176, 288}) {
            const QRect board(client.left() + column, client.top() + row, 180, 100);
            if (!shot.rect().contains(board)) continue;  // off a short screen
            int black = 0, white = 0;
            for (int y = board.top(); y <= board.bottom(); ++y)
                for (int x = board.left(); x <= board.right(); ++x) {
                    const QRgb p = shot.pixel(x, y);
                    QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
                    black += (p & 0xFFFFFF) == 0;
                    white += (p & 0xFFFFFF) == 0xFFFFFF;
                }
            QVERIFY(black > 180 * 100 / 2);
            QVERIFY(white > 100);
        }
    program.Key("Escape");
    QVERIFY(program.WaitForExit());
}

void ProgramTest::webStripShowsTheEngine() {
#ifndef GLYPHORA_HAVE_WEBENGINE
    QSKIP("built without the web engine");
#endif
    ProgramUnderTest program(kProgram);
    QVERIFY(program.Start());
    const QRect client = program.ClientGeometry(program.WaitForWindow("Glyphora  v3.0 官方正式版"));
    // The part of the strip that no panel covers: below y 466 and left of x 415.
    const QRect strip(client.left(), client.top() + 467, 414, 88);
    bool drawn = false;
    for (int attempt = 0; attempt < 60 && !drawn; ++attempt) {
        const QImage shot = program.Screenshot().copy(strip);
        for (int y = 0; y < shot.height() && !drawn; ++y)
            for (int x = 0; x < shot.width() && !drawn; ++x)
                drawn = (shot.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        if (!drawn) QTest::qWait(500);
    }
    // With no network the engine draws its own page for an unreachable address.
    QVERIFY2(drawn, "the web strip stayed white");
    program.Key("Escape");
    QVERIFY(program.WaitForExit());
    QCOMPARE(program.ExitCode(), 0);
}

QTEST_MAIN(ProgramTest)
#include "test_program.moc"

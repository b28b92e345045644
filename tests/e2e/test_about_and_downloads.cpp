// The About and font download windows in the built program, driven as a user drives
// them, with what reaches the desktop's opener caught on the way.
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include "build_settings.h"
#include "percent_encoded.h"
#include "program_under_test.h"

namespace {

const QString kProgram = QStringLiteral(GLYPHORA_PROGRAM);
const QString kMain = QStringLiteral("Glyphora  v3.0 官方正式版");
const QString kAbout = QStringLiteral("关于本软件");
const QString kFont = QStringLiteral("字体下载与安装");

// Where the client area of a window of the given outer size lands on this screen.
QPoint CentredClientOrigin(QSize outer) {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}

// The X window id that xprop names in "window id # 0x…".
unsigned long TransientFor(unsigned long window) {
    const QString value = WindowProperty(window, "WM_TRANSIENT_FOR");
    return value.section('#', 1).trimmed().toULong(nullptr, 16);
}

// The functions field of _MOTIF_WM_HINTS, where 0x08 allows minimising and 0x10
// maximising.
unsigned MotifFunctions(unsigned long window) {
    return WindowProperty(window, "_MOTIF_WM_HINTS")
        .section(',', 1, 1)
        .trimmed()
        .toUInt(nullptr, 16);
}

class Session {
  public:
    explicit Session(ProgramUnderTest& program) : program_(program) {}

    bool Open() {
        if (!program_.Start(kMain)) return false;
        main_ = program_.WaitForWindow(kMain);
        return main_ != 0;
    }
    // Clicks the centre of a control given in a window's client coordinates.
    void ClickIn(unsigned long window, QRect control) const {
        program_.Click(program_.ClientGeometry(window).topLeft() + control.center());
    }
    unsigned long OpenAbout(QRect button = {234, 434, 70, 29}) const {
        ClickIn(main_, button);
        return program_.WaitForWindow(kAbout);
    }
    unsigned long OpenFont(unsigned long about) const {
        ClickIn(about, {111, 192, 176, 32});
        return program_.WaitForWindow(kFont);
    }
    unsigned long Main() const { return main_; }

  private:
    ProgramUnderTest& program_;
    unsigned long main_ = 0;
};

}  // namespace

class AboutAndDownloadsTest : public QObject {
    Q_OBJECT

  private slots:
    void windowsOpenModallyOwnedAndCentred();
    void downloadButtonsReachTheDesktopsOpener();
};

void AboutAndDownloadsTest::windowsOpenModallyOwnedAndCentred() {
    ProgramUnderTest program(kProgram);
    Session session(program);
    QVERIFY(session.Open());
    const unsigned long main = session.Main();

    const unsigned long about = session.OpenAbout();
    QVERIFY(about != 0);
    QCOMPARE(program.ClientGeometry(about),
             QRect(CentredClientOrigin({460, 407}), QSize(454, 378)));
    // A dialog owned by the main window, modal, and out of the task bar.
    QCOMPARE(TransientFor(about), main);
    QVERIFY(WindowProperty(about, "_NET_WM_WINDOW_TYPE").startsWith("_NET_WM_WINDOW_TYPE_DIALOG"));
    const QString aboutState = WindowProperty(about, "_NET_WM_STATE");
    QVERIFY2(aboutState.contains("_NET_WM_STATE_SKIP_TASKBAR"), qPrintable(aboutState));
    QVERIFY2(aboutState.contains("_NET_WM_STATE_MODAL"), qPrintable(aboutState));
    QCOMPARE(MotifFunctions(about) & 0x18, 0u);
    // The main window keeps its own task-bar entry and its minimise button.
    QCOMPARE(TransientFor(main), 0ul);
    QVERIFY(!WindowProperty(main, "_NET_WM_STATE").contains("SKIP_TASKBAR"));
    QCOMPARE(MotifFunctions(main) & 0x18, 0x08u);

    // The main window's close box does nothing while it is held.
    program.Close(main);
    QVERIFY(!program.WaitForExit(500));
    QCOMPARE(program.WaitForWindow(kAbout, 1000), about);

    const unsigned long font = session.OpenFont(about);
    QVERIFY(font != 0);
    QCOMPARE(program.ClientGeometry(font), QRect(CentredClientOrigin({407, 274}), QSize(401, 245)));
    QCOMPARE(TransientFor(font), about);
    QVERIFY(WindowProperty(font, "_NET_WM_STATE").contains("_NET_WM_STATE_SKIP_TASKBAR"));
    QCOMPARE(MotifFunctions(font) & 0x18, 0u);
    // Nor does About's, beneath the font window.
    program.Close(about);
    QCOMPARE(program.WaitForWindow(kAbout, 1000), about);

    // Esc closes the top window only, then the next.
    program.Key("Escape");
    QVERIFY(program.WaitForWindowGone(kFont));
    QCOMPARE(program.WaitForWindow(kAbout, 1000), about);
    program.Key("Escape");
    QVERIFY(program.WaitForWindowGone(kAbout));

    // 支持作者 opens About again, and its close box closes it.
    const unsigned long again = session.OpenAbout({334, 434, 70, 29});
    QVERIFY(again != 0);
    program.Close(again);
    QVERIFY(program.WaitForWindowGone(kAbout));
    program.Key("Escape");
    QVERIFY(program.WaitForExit());
    QCOMPARE(program.ExitCode(), 0);
}

void AboutAndDownloadsTest::downloadButtonsReachTheDesktopsOpener() {
    ProgramUnderTest program(kProgram);
    // On X11 the toolkit hands an address to the first xdg-open on PATH, whatever the
    // desktop, as one fully encoded argument; this one notes what it is given.
    const QString bin = program.Home() + "/bin";
    const QString opened = program.Home() + "/opened";
    QVERIFY(QDir().mkpath(bin));
    QFile opener(bin + "/xdg-open");
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> \"$HOME/opened\"\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    program.SetEnvironment("PATH", bin + ":" + qEnvironmentVariable("PATH"));

    Session session(program);
    QVERIFY(session.Open());
    const unsigned long about = session.OpenAbout();
    QVERIFY(about != 0);
    const unsigned long font = session.OpenFont(about);
    QVERIFY(font != 0);

    const auto lines = [&opened] {
        QFile file(opened);
        if (!file.open(QIODevice::ReadOnly)) return QList<QByteArray>{};
        QList<QByteArray> read = file.readAll().split('\n');
        read.removeLast();
        return read;
    };
    const struct {
        QRect button;
        const char* address;
    } buttons[] = {
        {{25, 192, 80, 32}, kDownloadAddress1},   // 网盘下载1
        {{162, 192, 80, 32}, kDownloadAddress2},  // 网盘下载2
        {{295, 192, 80, 32}, kDownloadAddress3},  // 网站下载
    };
    QList<QByteArray> expected;
    for (const auto& [button, address] : buttons) {
        for (int time = 0; time < 2; ++time) {
            session.ClickIn(font, button);
            expected.append(PercentEncoded(address));
            QTRY_COMPARE_WITH_TIMEOUT(lines().size(), expected.size(), 10000);
        }
    }
    QCOMPARE(lines(), expected);
    for (const QByteArray& line : lines())
        for (const char byte : line)
            QVERIFY(static_cast<unsigned char>(byte) < 0x80);

    // The window stayed open; Esc closes it, then About, and the program goes on.
    QCOMPARE(program.WaitForWindow(kFont, 1000), font);
    program.Key("Escape");
    QVERIFY(program.WaitForWindowGone(kFont));
    program.Key("Escape");
    QVERIFY(program.WaitForWindowGone(kAbout));
    QVERIFY(session.OpenAbout() != 0);
    program.Key("Escape");
    QVERIFY(program.WaitForWindowGone(kAbout));
    program.Key("Escape");
    QVERIFY(program.WaitForExit());
    QCOMPARE(program.ExitCode(), 0);
}

QTEST_MAIN(AboutAndDownloadsTest)
#include "test_about_and_downloads.moc"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "drawing_board.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "main_window_refs.h"
#include "shared_lists.h"
#include "web_strip.h"

// Whatever a person types or pastes into the two names gives a drawing on every board
// and never a crash or a hang. The time each preview took is printed for the record.
class HostileNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void anyNameDraws_data();
    void anyNameDraws();

  private:
    LoadedWindow* window_ = nullptr;
};

void HostileNamesTest::init() {
    WebStrip::SetEngineAllowed(false);
    CreateSharedLists();
    QVERIFY(LoadWindow(MainWindowDescription(), nullptr, false));
    window_ = LoadedWindow::Find(kMainWindowNumber);
}

void HostileNamesTest::cleanup() {
    delete window_;
    ReleaseSharedLists();
}

void HostileNamesTest::anyNameDraws_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inks");  // whether the name leaves ink outside the label
    QTest::newRow("0 characters") << QString() << false;
    QTest::newRow("1 character") << QString("苏") << true;
    QTest::newRow("10,000 characters") << QString("苏墨").repeated(5000) << true;
    QTest::newRow("1,000,000 characters") << QString("Dadaz").repeated(200000) << true;
    QTest::newRow("control characters") << QString("苏\x01\x02\x07墨\x1b") << true;
    QTest::newRow("tabs and line breaks") << QString("苏\t墨\r\n王\n小\r明") << true;
    QTest::newRow("right to left") << QString("محمد דוד") << true;
    QTest::newRow("mixed directions") << QString("苏墨 محمد Dadaz ‮abc‬") << true;
    QTest::newRow("combining marks") << QString("e\u0301\u0302\u0303\u0304\u0305a\u20DD") << true;
    QTest::newRow("stacked combining marks")
        << QString("a") + QString(QChar(0x0301)).repeated(5000) << true;
    QTest::newRow("emoji sequences")
        << QString("👨‍👩‍👧‍👦🏳️‍🌈👍🏽🇨🇳") << true;
    QTest::newRow("outside the BMP") << QString("𠀀𠀁𪚥𝒜") << true;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "苏" << true;
    QTest::newRow("private use and non-characters") << QString("\uE000\uF8FF\uFFFE\uFFFF") << false;
    QTest::newRow("only spaces") << QString("   ") << false;
}

void HostileNamesTest::anyNameDraws() {
    QFETCH(QString, name);
    QFETCH(bool, inks);
    for (const char* edit : {"编辑框1", "编辑框2"}) {
        auto* box = window_->findChild<QLineEdit*>(edit);
        box->clear();
        QApplication::clipboard()->setText(name);
        box->setFocus();
        box->paste();
        QVERIFY(box->text().size() <= box->maxLength());
    }
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(window_->findChild<QPushButton*>("按钮1"), Qt::LeftButton);
    qInfo("preview took %lld ms", timer.elapsed());
    for (const char* boardName : {"画板1", "画板5"}) {
        const QImage shot = window_->findChild<DrawingBoard*>(boardName)->Snapshot();
        QCOMPARE(shot.size(), QSize(180, 100));
        bool inked = false;
        for (int y = 30; y < 100 && !inked; ++y)
            for (int x = 0; x < 180 && !inked; ++x)
                inked = (shot.pixel(x, y) & 0xFFFFFF) != 0;
        if (inks) QVERIFY2(inked, boardName);
    }
}

QTEST_MAIN(HostileNamesTest)
#include "test_hostile_names.moc"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "files_on_disk.h"

#include "control_properties.h"
#include "drawing_board.h"
#include "linux_faults.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "main_window_refs.h"
#include "modal_script.h"
#include "picture_file.h"
#include "shared_lists.h"
#include "web_strip.h"

namespace {

constexpr qsizetype kPictureSize = 54 + 3 * 360 * 300;
const QList<ControlRef> kBoards = {画板1, 画板2, 画板3, 画板4, 画板5, 画板6};

// The picture as the board it was copied from holds it: board i at column (i - 1) % 2
// and row (i - 1) / 2.
QImage ExpectedComposite() {
    QImage expected(360, 300, QImage::Format_RGB32);
    for (qsizetype i = 0; i < kBoards.size(); ++i) {
        const QImage board = FindBoard(kBoards[i])->Snapshot();
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 180; ++x)
                expected.setPixel(180 * (i % 2) + x, 100 * (i / 2) + y, board.pixel(x, y));
    }
    return expected;
}

QImage Decoded(const QByteArray& file) {
    return QImage::fromData(file, "BMP").convertToFormat(QImage::Format_RGB32);
}

// The first pixel that differs, or an empty text.
QString FirstDifference(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) return "sizes differ";
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QString("pixel (%1, %2)").arg(x).arg(y);
    return {};
}

}  // namespace

class CompositePictureTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void eachBoardLandsInItsPlace();
    void fileHoldsThePreviewsAsLastDrawn();
    void cancelWritesNothing();
    void failedSaveWarnsAndKeepsTheOldFile_data();
    void failedSaveWarnsAndKeepsTheOldFile();
    void emptyPictureIsAFailedSave();

  private:
    // Clicks "保存图片" and confirms `path` in the dialog; a warning box, if one comes, is
    // answered and its text returned in `warning`.
    void Save(const QString& path, QString* warning = nullptr);

    QTemporaryDir config_;
    std::unique_ptr<QTemporaryDir> dir_;
    LoadedWindow* window_ = nullptr;
};

void CompositePictureTest::initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
}

void CompositePictureTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    WebStrip::SetEngineAllowed(false);
    CreateSharedLists();
    QVERIFY(LoadWindow(MainWindowDescription(), nullptr, false));
    window_ = LoadedWindow::Find(kMainWindowNumber);
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void CompositePictureTest::cleanup() {
    delete LoadedWindow::Find(kMainWindowNumber);
    ReleaseSharedLists();
}

void CompositePictureTest::Save(const QString& path, QString* warning) {
    const bool existed = QFileInfo::exists(path);
    bool asked = false;
    ModalScript script;
    script.OnFileDialog([&](QFileDialog* dialog) { TypeNameAndConfirm(dialog, path); });
    if (existed)
        script.OnMessageBox([&](QMessageBox* box) {
            asked = true;
            box->button(QMessageBox::Yes)->click();
        });
    if (warning != nullptr)
        script.OnMessageBox([&](QMessageBox* box) {
            *warning = box->windowTitle() + "\n" + box->text();
            QCOMPARE(box->parentWidget(), window_);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            box->button(QMessageBox::Ok)->click();
        });
    QTest::mouseClick(window_->findChild<QPushButton*>("按钮2"), Qt::LeftButton);
    QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    QCOMPARE(asked, existed);
    // A save that succeeds shows nothing afterwards.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void CompositePictureTest::eachBoardLandsInItsPlace() {
    // Each board one colour of its own, so a board out of place or a seam shows.
    for (qsizetype i = 0; i < kBoards.size(); ++i) {
        DrawingBoard* board = FindBoard(kBoards[i]);
        board->SetBackColour(MakeColour(40 * (i + 1), 255 - 30 * i, 7 * i));
        board->Clear();
    }
    const QString path = dir_->filePath("签名.bmp");
    Save(dir_->filePath("签名"));
    const QByteArray file = ReadAll(path);
    QCOMPARE(file.size(), kPictureSize);
    const QImage picture = Decoded(file);
    QCOMPARE(picture.size(), QSize(360, 300));
    auto boardPixel = [](ControlRef board, int x, int y) {
        return FindBoard(board)->Snapshot().pixel(x, y);
    };
    QCOMPARE(picture.pixel(0, 0), boardPixel(画板1, 0, 0));
    QCOMPARE(picture.pixel(180, 0), boardPixel(画板2, 0, 0));
    QCOMPARE(picture.pixel(0, 299), boardPixel(画板5, 0, 99));
    QCOMPARE(picture.pixel(359, 299), boardPixel(画板6, 179, 99));
    const QString difference = FirstDifference(picture, ExpectedComposite());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    const DrawingBoard* composite = FindBoard(保存图片);
    QCOMPARE(QSize(composite->Width(), composite->Height()), QSize(360, 300));
    QVERIFY(!composite->isVisible());
}

void CompositePictureTest::fileHoldsThePreviewsAsLastDrawn() {
    // The previews drawn at start-up, white on black; a new name without "预览".
    const QImage drawn = ExpectedComposite();
    window_->findChild<QLineEdit*>("编辑框1")->setText("张三丰");
    Save(dir_->filePath("first.bmp"));
    Save(dir_->filePath("second.bmp"));
    const QByteArray first = ReadAll(dir_->filePath("first.bmp"));
    QCOMPARE(first.size(), kPictureSize);
    const QString difference = FirstDifference(Decoded(first), drawn);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(ReadAll(dir_->filePath("second.bmp")), first);

    // After "预览" the new name reaches the file.
    QTest::mouseClick(window_->findChild<QPushButton*>("按钮1"), Qt::LeftButton);
    Save(dir_->filePath("first.bmp"));
    const QByteArray previewed = ReadAll(dir_->filePath("first.bmp"));
    QVERIFY(previewed != first);
    QVERIFY(FirstDifference(Decoded(previewed), ExpectedComposite()).isEmpty());
    QCOMPARE(Entries(dir_->path()), (QStringList{"first.bmp", "second.bmp"}));
}

void CompositePictureTest::cancelWritesNothing() {
    const QImage before = FindBoard(保存图片)->Snapshot();
    ModalScript script;
    script.OnFileDialog([&](QFileDialog* dialog) {
        dialog->setDirectory(dir_->path());
        Cancel(dialog);
    });
    QTest::mouseClick(window_->findChild<QPushButton*>("按钮2"), Qt::LeftButton);
    QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    QCOMPARE(Entries(dir_->path()), QStringList());
    QCOMPARE(FindBoard(保存图片)->Snapshot(), before);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void CompositePictureTest::failedSaveWarnsAndKeepsTheOldFile_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("reason");
    QTest::newRow("name too long to replace") << false << "文件名太长";
    QTest::newRow("full disk") << true << QString::fromLocal8Bit(std::strerror(ENOSPC));
}

void CompositePictureTest::failedSaveWarnsAndKeepsTheOldFile() {
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    QString folder = dir_->path();
    std::unique_ptr<SmallDisk> disk;
    QString name = "签名.bmp";
    if (fullDisk) {
        folder = dir_->filePath("disk");
        QVERIFY(QDir().mkdir(folder));
        disk = std::make_unique<SmallDisk>(folder, 64 * 1024);
        if (!disk->Mounted()) QSKIP(qPrintable(disk->WhyNot()));
    } else {
        name = QString(82, u'签') + "a.bmp";  // 251 bytes
    }
    const QString path = folder + "/" + name;
    WriteFile(path, "old");

    QString warning;
    Save(path, &warning);
    QVERIFY2(warning.startsWith("保存图片\n"), qPrintable(warning));
    QVERIFY2(warning.contains(path), qPrintable(warning));
    QVERIFY2(warning.contains(reason), qPrintable(warning));
    QCOMPARE(ReadAll(path), QByteArray("old"));
    QCOMPARE(Entries(folder), QStringList{name});
    QTRY_COMPARE(QApplication::focusWidget(), window_->findChild<QWidget*>("按钮2"));

    // The program goes on: the next save works.
    Save(dir_->filePath("next.bmp"));
    QCOMPARE(ReadAll(dir_->filePath("next.bmp")).size(), kPictureSize);
}

void CompositePictureTest::emptyPictureIsAFailedSave() {
    const QString path = dir_->filePath("签名.bmp");
    WriteFile(path, "old");
    QString warning;
    ModalScript script;
    script.OnMessageBox([&](QMessageBox* box) {
        warning = box->windowTitle() + "\n" + box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QVERIFY(!SavePictureOrWarn(window_, Text::FromQString(path), QByteArray()));
    QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    QVERIFY2(warning.startsWith("保存图片\n"), qPrintable(warning));
    QVERIFY2(warning.contains(path), qPrintable(warning));
    QCOMPARE(ReadAll(path), QByteArray("old"));
}

QTEST_MAIN(CompositePictureTest)
#include "test_composite_picture.moc"

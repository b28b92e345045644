#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "files_on_disk.h"

#include "linux_faults.h"
#include "program_under_test.h"

namespace {

const QString kProgram = QStringLiteral(GLYPHORA_PROGRAM);
const QString kMainTitle = QStringLiteral("Glyphora  v3.0 官方正式版");
// Qt's own save dialog; its questions and warnings bear the same title.
const QString kDialogTitle = QStringLiteral("Save As");
const QString kFailureTitle = QStringLiteral("保存图片");
constexpr qsizetype kPictureSize = 54 + 3 * 360 * 300;
// The centre of 按钮2 "保存图片" in the main window's client area.
constexpr QPoint kSaveButton(200 + 48, 35 + 12);

int VisibleWindowsTitled(const QString& title) {
    const QString found = Xdotool(
        {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"});
    return found.isEmpty() ? 0 : int(found.split('\n').size());
}

bool WaitForWindowsTitled(const QString& title, int count, int timeoutMs = 10000) {
    QDeadlineTimer deadline(timeoutMs);
    while (VisibleWindowsTitled(title) != count) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(100);
    }
    QTest::qWait(300);  // let the window take the focus and paint
    return true;
}

bool IsPicture(const QByteArray& bytes) {
    return bytes.size() == kPictureSize && bytes.startsWith("BM");
}

}  // namespace

class SavingTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void bareNameGetsTheExtensionAndAnExistingFileWaitsForItsQuestion();
    void otherExtensionStaysCancelCreatesNothingMissingFolderIsRefused();
    void failedSaveShowsTheBoxAndTheProgramGoesOn();

  private:
    // Starts the program and returns where its client area is on the screen.
    QPoint StartProgram(ProgramUnderTest& program);
    void ClickSave(ProgramUnderTest& program, QPoint client);
    void ChooseInDialog(ProgramUnderTest& program, const QString& typed);

    std::unique_ptr<QTemporaryDir> dir_;
};

void SavingTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

QPoint SavingTest::StartProgram(ProgramUnderTest& program) {
    if (!program.Start()) return {};
    return program.ClientGeometry(program.WaitForWindow(kMainTitle)).topLeft();
}

void SavingTest::ClickSave(ProgramUnderTest& program, QPoint client) {
    program.Click(client + kSaveButton);
    QVERIFY2(WaitForWindowsTitled(kDialogTitle, 1), "the save dialog did not open");
}

void SavingTest::ChooseInDialog(ProgramUnderTest& program, const QString& typed) {
    // The name field has the focus; select what it holds so the name replaces it. The name
    // is pasted: xdotool types characters beyond the keyboard map by remapping a key for
    // each, which a busy X server now and then turns into another character.
    QGuiApplication::clipboard()->setText(typed);
    program.Key("ctrl+a");
    program.Key("ctrl+v");
    QTest::qWait(100);
    program.Key("Return");
}

void SavingTest::bareNameGetsTheExtensionAndAnExistingFileWaitsForItsQuestion() {
    ProgramUnderTest program(kProgram);
    const QPoint client = StartProgram(program);
    QVERIFY(!client.isNull());
    const QString path = dir_->filePath("签名.bmp");

    ClickSave(program, client);
    ChooseInDialog(program, dir_->filePath("签名"));
    QVERIFY(WaitForWindowsTitled(kDialogTitle, 0));
    QTRY_VERIFY(IsPicture(ReadAll(path)));
    QCOMPARE(Entries(dir_->path()), QStringList{"签名.bmp"});
    const QByteArray picture = ReadAll(path);

    // The next save starts at that path: confirming it at once asks about that file.
    WriteFile(path, "old");
    ClickSave(program, client);
    program.Key("Return");
    QVERIFY2(WaitForWindowsTitled(kDialogTitle, 2), "no question about the existing file");
    QCOMPARE(ReadAll(path), QByteArray("old"));
    program.Key("n");  // back to the dialog
    QVERIFY(WaitForWindowsTitled(kDialogTitle, 1));
    QCOMPARE(ReadAll(path), QByteArray("old"));
    program.Key("Return");
    QVERIFY(WaitForWindowsTitled(kDialogTitle, 2));
    program.Key("y");
    QVERIFY(WaitForWindowsTitled(kDialogTitle, 0));
    QTRY_COMPARE(ReadAll(path), picture);
    QCOMPARE(Entries(dir_->path()), QStringList{"签名.bmp"});

    program.Key("Escape");
    QVERIFY(program.WaitForExit());
    QCOMPARE(program.ExitCode(), 0);
}

void SavingTest::otherExtensionStaysCancelCreatesNothingMissingFolderIsRefused() {
    ProgramUnderTest program(kProgram);
    const QPoint client = StartProgram(program);
    QVERIFY(!client.isNull());

    ClickSave(program, client);
    ChooseInDialog(program, dir_->filePath("a.txt"));
    QVERIFY(WaitForWindowsTitled(kDialogTitle, 0));
    QTRY_VERIFY(IsPicture(ReadAll(dir_->filePath("a.txt"))));

    // Cancel writes nothing, and the focus is back on the Save button: Space presses it.
    ClickSave(program, client);
    program.Key("Escape");
    QVERIFY(WaitForWindowsTitled(kDialogTitle, 0));
    program.Key("space");
    QVERIFY2(WaitForWindowsTitled(kDialogTitle, 1), "Space did not press the Save button");

    // A missing folder is refused with a warning, and the dialog stays open.
    ChooseInDialog(program, dir_->filePath("缺少/签名"));
    QVERIFY2(WaitForWindowsTitled(kDialogTitle, 2), "no warning about the missing folder");
    program.Key("Return");
    QVERIFY(WaitForWindowsTitled(kDialogTitle, 1));
    program.Key("Escape");
    QVERIFY(WaitForWindowsTitled(kDialogTitle, 0));
    QCOMPARE(Entries(dir_->path()), QStringList{"a.txt"});

    program.Key("Escape");
    QVERIFY(program.WaitForExit());
    QCOMPARE(program.ExitCode(), 0);
}

// Unwritable for the superuser means a full disk (a small tmpfs), for anyone else a
// read-only folder.
void SavingTest::failedSaveShowsTheBoxAndTheProgramGoesOn() {
    const QString folder = dir_->filePath("unwritable");
    QVERIFY(QDir().mkdir(folder));
    std::unique_ptr<SmallDisk> disk;
    if (RunningAsSuperuser()) {
        disk = std::make_unique<SmallDisk>(folder, 64 * 1024);
        if (!disk->Mounted()) QSKIP(qPrintable(disk->WhyNot()));
    } else {
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    }
    ProgramUnderTest program(kProgram);
    const QPoint client = StartProgram(program);
    QVERIFY(!client.isNull());

    ClickSave(program, client);
    ChooseInDialog(program, folder + "/签名");
    QVERIFY2(WaitForWindowsTitled(kFailureTitle, 1), "no warning box for the failed save");
    QCOMPARE(Entries(folder), QStringList());
    program.Key("Return");
    QVERIFY(WaitForWindowsTitled(kFailureTitle, 0));

    // The focus is back on the Save button, and saving works again.
    program.Key("space");
    QVERIFY2(WaitForWindowsTitled(kDialogTitle, 1), "Space did not press the Save button");
    ChooseInDialog(program, dir_->filePath("签名"));
    QVERIFY(WaitForWindowsTitled(kDialogTitle, 0));
    QTRY_VERIFY(IsPicture(ReadAll(dir_->filePath("签名.bmp"))));
    QCOMPARE(VisibleWindowsTitled(kFailureTitle), 0);

    program.Key("Escape");
    QVERIFY(program.WaitForExit());
    QCOMPARE(program.ExitCode(), 0);
    if (!RunningAsSuperuser())
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_MAIN(SavingTest)
#include "test_saving.moc"

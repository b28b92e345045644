#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "control_registry.h"
#include "file_dialog_control.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "main_window_refs.h"
#include "modal_script.h"
#include "shared_lists.h"
#include "web_strip.h"

namespace {

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// What a dialog looked like while it was open.
struct Seen {
    QString title;
    QStringList typesShown;
    QString typeSelected;
    QString folder;
    QString name;
    QString suffix;
    bool confirmsOverwrite = false;
    bool qtsOwnDialog = false;
    bool saves = false;
    QWidget* owner = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
};

Seen Look(QFileDialog* dialog) {
    Seen seen;
    seen.title = dialog->windowTitle();
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    for (int i = 0; types != nullptr && i < types->count(); ++i)
        seen.typesShown.append(types->itemText(i));
    if (types != nullptr) seen.typeSelected = types->currentText();
    seen.folder = dialog->directory().absolutePath();
    seen.name = NameField(dialog);
    seen.suffix = dialog->defaultSuffix();
    seen.confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    seen.qtsOwnDialog = dialog->testOption(QFileDialog::DontUseNativeDialog);
    seen.saves = dialog->acceptMode() == QFileDialog::AcceptSave;
    seen.owner = dialog->parentWidget();
    seen.modality = dialog->windowModality();
    return seen;
}

void Answer(QMessageBox* box, QMessageBox::StandardButton button) {
    QAbstractButton* pressed = box->button(button);
    QVERIFY(pressed != nullptr);
    pressed->click();
}

}  // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void theSaveDialogAsTheWindowDescribesIt();
    void typedNameBecomesTheFullPath_data();
    void typedNameBecomesTheFullPath();
    void existingFileIsChosenOnlyAfterItsQuestion();
    void nameInAMissingFolderIsRefusedAndTheDialogStays();
    void nextOpenStartsAtTheKeptPathAndCancelKeepsIt();
    void mainWindowTakesNoInputWhileTheDialogIsOpen();
    void otherSettings();

  private:
    QTemporaryDir config_;
    std::unique_ptr<QTemporaryDir> dir_;
    LoadedWindow* window_ = nullptr;
    FileDialogControl* control_ = nullptr;
    QWidget* saveButton_ = nullptr;
};

void FileDialogTest::initTestCase() {
    // Qt's dialog keeps its history there; keep it out of the user's settings.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
}

void FileDialogTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir::setCurrent(dir_->path()));
    WebStrip::SetEngineAllowed(false);
    CreateSharedLists();
    QVERIFY(LoadWindow(MainWindowDescription(), nullptr, false));
    window_ = LoadedWindow::Find(kMainWindowNumber);
    QVERIFY(QTest::qWaitForWindowActive(window_));
    control_ = ControlRegistry::FindAs<FileDialogControl>(通用对话框1);
    QVERIFY(control_ != nullptr);
    saveButton_ = window_->findChild<QWidget*>("按钮2");
    saveButton_->setFocus();
}

void FileDialogTest::cleanup() {
    delete LoadedWindow::Find(kMainWindowNumber);
    ReleaseSharedLists();
}

void FileDialogTest::theSaveDialogAsTheWindowDescribesIt() {
    Seen seen;
    ModalScript script;
    script.OnFileDialog([&](QFileDialog* dialog) {
        seen = Look(dialog);
        Cancel(dialog);
    });
    QVERIFY(!control_->Open());
    QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    QCOMPARE(seen.title, QString("Save As"));
    QCOMPARE(seen.typesShown, QStringList{"位图文件(*.bmp)"});
    QCOMPARE(seen.typeSelected, QString("位图文件(*.bmp)"));
    QCOMPARE(seen.name, QString());
    QCOMPARE(seen.suffix, QString("bmp"));
    QVERIFY(seen.confirmsOverwrite);
    QVERIFY(seen.qtsOwnDialog);
    QVERIFY(seen.saves);
    QCOMPARE(seen.owner, window_);
    QCOMPARE(seen.modality, Qt::WindowModal);
    // Cancel: nothing chosen, nothing written, the focus back on the Save button.
    QCOMPARE(control_->FileName(), Text::FromBytes("", 0));
    QCOMPARE(Entries(dir_->path()), QStringList());
    QTRY_COMPARE(QApplication::focusWidget(), saveButton_);
}

void FileDialogTest::typedNameBecomesTheFullPath_data() {
    QTest::addColumn<QString>("typed");  // "@" stands for the test's folder
    QTest::addColumn<QString>("chosen");
    QTest::newRow("bare name gets the extension") << "签名"
                                                  << "@/签名.bmp";
    QTest::newRow("other extension stays") << "a.txt"
                                           << "@/a.txt";
    QTest::newRow("extension in capitals stays") << "签名.BMP"
                                                 << "@/签名.BMP";
    QTest::newRow("full path") << "@/子文件夹/苏墨 亅𠀀"
                               << "@/子文件夹/苏墨 亅𠀀.bmp";
    QTest::newRow("name near 255 bytes") << QString(83, u'签') + "ab"
                                         << "@/" + QString(83, u'签') + "ab.bmp";
}

void FileDialogTest::typedNameBecomesTheFullPath() {
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QVERIFY(QDir(dir_->path()).mkdir("子文件夹"));
    typed.replace('@', dir_->path());
    chosen.replace('@', dir_->path());
    ModalScript script;
    script.OnFileDialog([&](QFileDialog* dialog) {
        dialog->setDirectory(dir_->path());
        TypeNameAndConfirm(dialog, typed);
    });
    QVERIFY(control_->Open());
    QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    QCOMPARE(control_->FileName().ToQString(), QDir::toNativeSeparators(chosen));
    QCOMPARE(control_->FileName(), Text::FromQString(QDir::toNativeSeparators(chosen)));
    // Choosing writes nothing.
    QCOMPARE(Entries(dir_->path()), QStringList{"子文件夹"});
    QTRY_COMPARE(QApplication::focusWidget(), saveButton_);
}

void FileDialogTest::existingFileIsChosenOnlyAfterItsQuestion() {
    QFile old(dir_->filePath("签名.bmp"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QString question;
    bool stillOpenAfterNo = false;
    ModalScript script;
    script
        .OnFileDialog([&](QFileDialog* dialog) {
            dialog->setDirectory(dir_->path());
            TypeNameAndConfirm(dialog, "签名");
        })
        .OnMessageBox([&](QMessageBox* box) {
            question = box->text();
            Answer(box, QMessageBox::No);
        })
        .OnFileDialog([&](QFileDialog* dialog) {
            stillOpenAfterNo = dialog->isVisible();
            TypeNameAndConfirm(dialog, "签名");
        })
        .OnMessageBox([&](QMessageBox* box) { Answer(box, QMessageBox::Yes); });
    QVERIFY(control_->Open());
    QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    // The question names the file with its extension: the one that will be written.
    QVERIFY2(question.contains("签名.bmp"), qPrintable(question));
    QVERIFY(stillOpenAfterNo);
    QCOMPARE(control_->FileName().ToQString(), dir_->filePath("签名.bmp"));
    QCOMPARE(Entries(dir_->path()), QStringList{"签名.bmp"});
}

void FileDialogTest::nameInAMissingFolderIsRefusedAndTheDialogStays() {
    const QString missing = dir_->filePath("不存在");
    QString warning;
    bool ownedByTheDialog = false;
    bool stillOpen = false;
    ModalScript script;
    script.OnFileDialog([&](QFileDialog* dialog) { TypeNameAndConfirm(dialog, missing + "/签名"); })
        .OnMessageBox([&](QMessageBox* box) {
            warning = box->text();
            ownedByTheDialog = qobject_cast<QFileDialog*>(box->parentWidget()) != nullptr;
            Answer(box, QMessageBox::Ok);
        })
        .OnFileDialog([&](QFileDialog* dialog) {
            stillOpen = dialog->isVisible();
            Cancel(dialog);
        });
    QVERIFY(!control_->Open());
    QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    QVERIFY2(warning.contains(QDir::toNativeSeparators(missing)), qPrintable(warning));
    QVERIFY(ownedByTheDialog);
    QVERIFY(stillOpen);
    QCOMPARE(Entries(dir_->path()), QStringList());
    QCOMPARE(control_->FileName(), Text::FromBytes("", 0));
}

void FileDialogTest::nextOpenStartsAtTheKeptPathAndCancelKeepsIt() {
    QVERIFY(QDir(dir_->path()).mkdir("子文件夹"));
    const QString first = dir_->filePath("子文件夹/签名.bmp");
    {
        ModalScript script;
        script.OnFileDialog([&](QFileDialog* dialog) { TypeNameAndConfirm(dialog, first); });
        QVERIFY(control_->Open());
        QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    }
    QVERIFY(QDir::setCurrent(QDir::rootPath()));  // the kept path does not depend on it
    Seen cancelled;
    Seen confirmed;
    ModalScript script;
    script.OnFileDialog([&](QFileDialog* dialog) {
        cancelled = Look(dialog);
        Cancel(dialog);
    });
    QVERIFY(!control_->Open());
    QCOMPARE(control_->FileName().ToQString(), first);
    script.OnFileDialog([&](QFileDialog* dialog) {
        confirmed = Look(dialog);
        TypeNameAndConfirm(dialog, NameField(dialog));
    });
    QVERIFY(control_->Open());
    QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    for (const Seen& seen : {cancelled, confirmed}) {
        QCOMPARE(seen.folder, dir_->filePath("子文件夹"));
        QCOMPARE(seen.name, QString("签名.bmp"));
    }
    QCOMPARE(control_->FileName().ToQString(), first);
}

void FileDialogTest::mainWindowTakesNoInputWhileTheDialogIsOpen() {
    auto* preview = window_->findChild<QPushButton*>("按钮1");
    QSignalSpy clicked(preview, &QAbstractButton::clicked);
    const QPoint centre = preview->mapTo(window_, preview->rect().center());
    ModalScript script;
    script.OnFileDialog([&](QFileDialog* dialog) {
        // A click as the window system delivers it, not straight to the widget.
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, centre);
        QTest::keyClick(window_->windowHandle(), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        Cancel(dialog);
    });
    QVERIFY(!control_->Open());
    QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    QCOMPARE(clicked.count(), 0);
    QVERIFY(LoadedWindow::Find(kMainWindowNumber) != nullptr);
    // Without the dialog the same click reaches the button.
    QTRY_VERIFY(window_->isActiveWindow());
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, centre);
    QCOMPARE(clicked.count(), 1);
}

void FileDialogTest::otherSettings() {
    const QString start = dir_->filePath("开始");
    QVERIFY(QDir().mkdir(start));
    const QByteArray folder = start.toUtf8();
    const FileDialogSettings settings = {
        .kind = 1,
        .title = "另存为图片",
        .filter = "文本|*.txt|位图|*.bmp;*.dib|",
        .initialFilter = 1,
        .initialFolder = folder.constData(),
        .defaultExtension = "",
        .promptOverwrite = false,
        .pathMustExist = false,
    };
    FileDialogControl control(window_, settings);
    QFile old(start + "/旧");
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    Seen seen;
    ModalScript script;
    script.OnFileDialog([&](QFileDialog* dialog) {
        seen = Look(dialog);
        TypeNameAndConfirm(dialog, "旧");
    });
    // No extension is added and no question asked.
    QVERIFY(control.Open());
    QVERIFY2(script.Finished(), qPrintable(script.Failure()));
    QCOMPARE(control.FileName().ToQString(), start + "/旧");
    QCOMPARE(seen.title, QString("另存为图片"));
    QCOMPARE(seen.typesShown, (QStringList{"文本", "位图"}));
    QCOMPARE(seen.typeSelected, QString("位图"));
    QCOMPARE(seen.folder, start);
    QCOMPARE(seen.suffix, QString());
    QVERIFY(!seen.confirmsOverwrite);

    // Without pathMustExist a missing folder is the caller's problem.
    script.OnFileDialog([&](QFileDialog* dialog) { TypeNameAndConfirm(dialog, start + "/无/a"); });
    QVERIFY(control.Open());
    QCOMPARE(control.FileName().ToQString(), start + "/无/a");

    // Only save dialogs exist.
    FileDialogSettings open = settings;
    open.kind = 2;
    QVERIFY(!FileDialogControl(window_, open).Open());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(FileDialogTest)
#include "test_file_dialog.moc"

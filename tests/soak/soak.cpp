// A long session in one process: 10,000 previews with changing names and 1,000 saves of
// the composite (everything of a save but the dialog), each file read back and checked.
// Prints resident memory after the first hundred previews and saves and at the end.
//   soak [previews] [saves]
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>

#include "composite_picture.h"
#include "drawing_board.h"
#include "file_output.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "main_window_refs.h"
#include "previews.h"
#include "shared_lists.h"
#include "web_strip.h"

namespace {

long ResidentKib() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toLong();
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int previews = arguments.size() > 1 ? arguments[1].toInt() : 10000;
    const int saves = arguments.size() > 2 ? arguments[2].toInt() : 1000;
    WebStrip::SetEngineAllowed(false);
    CreateSharedLists();
    if (!LoadWindow(MainWindowDescription(), nullptr, false)) return 1;
    LoadedWindow* window = LoadedWindow::Find(kMainWindowNumber);
    auto* chinese = window->findChild<QLineEdit*>("编辑框1");
    auto* latin = window->findChild<QLineEdit*>("编辑框2");
    const QStringList names = {"苏墨", "王小明", "䶮", "欧阳娜娜", "", "李"};

    long afterHundred = 0;
    for (int i = 0; i < previews; ++i) {
        chinese->setText(names[i % names.size()] + QString::number(i % 97));
        latin->setText(QString("Dadaz %1").arg(i));
        RenderPreviews();
        if (i == 99) afterHundred = ResidentKib();
        if (i % 500 == 0) QCoreApplication::processEvents();
    }
    const long afterPreviews = ResidentKib();

    QTemporaryDir folder;
    const Text path = Text::FromQString(folder.filePath("签名.bmp"));
    long afterHundredSaves = 0;
    int bad = 0;
    for (int i = 0; i < saves; ++i) {
        const QByteArray picture = ComposePreviews()->ExportPicture();
        QString reason;
        if (!WriteBytesToFile(path, picture, &reason)) {
            std::printf("save %d failed: %s\n", i, qPrintable(reason));
            ++bad;
            continue;
        }
        QFile written(path.ToQString());
        if (!written.open(QIODevice::ReadOnly) || written.readAll() != picture ||
            picture.size() != 54 + 3 * 360 * 300) {
            std::printf("save %d: the file on disk differs from the picture\n", i);
            ++bad;
        }
        if (i == 99) afterHundredSaves = ResidentKib();
    }
    const long atEnd = ResidentKib();
    std::printf(
        "resident KiB: after 100 previews %ld, after %d previews %ld, after 100 saves %ld, after "
        "%d saves %ld\n",
        afterHundred, previews, afterPreviews, afterHundredSaves, saves, atEnd);
    std::printf("files left in the folder: %lld\n",
                (long long)QDir(folder.path()).entryList(QDir::Files).size());
    std::printf("%d passed, %d failed\n", saves - bad, bad);
    delete window;
    ReleaseSharedLists();
    return bad == 0 ? 0 : 1;
}

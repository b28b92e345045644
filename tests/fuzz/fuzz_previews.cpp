// The preview over any two names on the real boards of the real main window: the names
// are the input up to and after its first zero byte, and its last byte sets the invert
// option. Any name must draw without a crash and leave six boards of their size.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <cstdint>
#include <cstdlib>

#include "drawing_board.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "main_window_refs.h"
#include "previews.h"
#include "shared_lists.h"
#include "web_strip.h"

namespace {
LoadedWindow* window = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the process ends inside libFuzzer, and Qt must not be torn down
    // behind the windows that still exist then.
    static QApplication* application = new QApplication(*argc, *argv);
    (void)application;
    WebStrip::SetEngineAllowed(false);
    CreateSharedLists();
    LoadWindow(MainWindowDescription(), nullptr, false);
    window = LoadedWindow::Find(kMainWindowNumber);
    return window != nullptr ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    const QByteArray first = split < 0 ? input : input.left(split);
    const QByteArray second = split < 0 ? QByteArray() : input.mid(split + 1);
    window->findChild<QLineEdit*>("编辑框1")->setText(QString::fromUtf8(first));
    window->findChild<QLineEdit*>("编辑框2")->setText(QString::fromUtf8(second));
    window->findChild<QCheckBox*>("选择框1")->setChecked(size > 0 && (data[size - 1] & 1));
    RenderPreviews();
    for (const char* name : {"画板1", "画板2", "画板3", "画板4", "画板5", "画板6"}) {
        const DrawingBoard* board = window->findChild<DrawingBoard*>(name);
        if (board->Snapshot().size() != QSize(180, 100)) std::abort();
    }
    return 0;
}

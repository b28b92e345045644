#include "start_program.h"

#include <QApplication>
#include <QIcon>
#include <QLoggingCategory>

#include "bundled_fonts.h"
#include "exit_routine.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "modal_owner.h"
#include "process_services.h"
#include "runtime_error.h"
#include "shared_lists.h"

namespace {

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/glyphora-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

void PrepareProcess() {
    PrepareWebEngine();
    // The web engine describes its set-up on every start; that is no news for a user.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // The desktop entry of this id gives the program its name and icon on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.glyphora.Glyphora"));
}

int StartProgram() {
    // The program's services: its folder, its typefaces and icon, the owner of modal windows.
    SetCurrentFolderToProgramFolder();
    RegisterBundledFonts();
    QApplication::setWindowIcon(ApplicationIcon());
    CreateModalOwnerWindow();
    SetDefaultFloatingPointMode();
    CreateSharedLists();
    RegisterExitRoutine(ReleaseSharedLists);
    // The program decides itself when to quit: after the last of its windows is destroyed.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!LoadWindow(MainWindowDescription(), nullptr, false))
        ReportRuntimeError(0, kStartupWindowFailedMessage);
    if (!LoadedWindow::All().isEmpty()) {
        MarkEventLoopStarted();
        QApplication::exec();
    }
    return 0;
}

void EndProgram() {
    RunExitRoutine();
    ReleaseModalOwnerWindow();
}

#include "start_program.h"

#include <QApplication>

#include "exit_routine.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "modal_owner.h"
#include "process_services.h"
#include "runtime_error.h"
#include "shared_lists.h"

void PrepareProcess() {
    PrepareWebEngine();
}

int StartProgram() {
    SetCurrentFolderToProgramFolder();
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

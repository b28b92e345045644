// The program's own start-up, with actions a test asks for on its command line:
//   --read-list-element N   once the window is shown, read element N of previewBoards
//   --report-exit-routine   after the end, print how often the exit routine ran
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "shared_lists.h"
#include "start_program.h"

int main(int argc, char** argv) {
    PrepareProcess();
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const qsizetype read = arguments.indexOf("--read-list-element");
    if (read > 0 && read + 1 < arguments.size()) {
        const int index = arguments[read + 1].toInt();
        QTimer::singleShot(200,
                           [index] { std::printf("read %u\n", previewBoards.At(index).control); });
    }
    const int status = StartProgram();
    EndProgram();
    if (arguments.contains("--report-exit-routine"))
        std::printf("exit routine ran %d time(s)\n", SharedListsReleaseCount());
    std::fflush(stdout);
    return status;
}

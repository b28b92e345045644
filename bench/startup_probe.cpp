// The program's own start-up, timed to its first frame: prints the steady clock when the
// main window has first painted (its previews are drawn before it shows), then the peak
// resident memory, and quits. --no-web-engine builds the window with the plain strip.
#include <QApplication>

#include "first_frame.h"
#include "start_program.h"
#include "web_strip.h"

int main(int argc, char** argv) {
    PrepareProcess();
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.contains("--no-web-engine")) WebStrip::SetEngineAllowed(false);
    ReportFirstFrame(&application, "MainWindow", arguments);
    const int status = StartProgram();
    EndProgram();
    return status;
}

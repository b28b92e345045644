// The floor of start-up: a bare Qt Widgets program that shows one empty window of the
// main window's size and quits after its first frame, printing the steady clock then.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "first_frame.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("bare");
    window.setObjectName("bare");
    window.setFixedSize(415, 556);
    ReportFirstFrame(&application, "bare", QApplication::arguments());
    window.show();
    return QApplication::exec();
}

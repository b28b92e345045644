#include <QApplication>

#include "start_program.h"

int main(int argc, char** argv) {
    PrepareProcess();
    QApplication application(argc, argv);
    const int status = StartProgram();
    EndProgram();
    return status;
}

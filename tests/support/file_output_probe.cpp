// Writes a text to a file through WriteBytesToFile, so a test can do it as another user:
//   file_output_probe PATH TEXT
// Exits with 0 when the file was written; otherwise prints the reason and exits with 1.
#include <QCoreApplication>
#include <cstdio>

#include "file_output.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) return 2;
    QString reason;
    if (WriteBytesToFile(Text::FromQString(arguments[1]), arguments[2].toUtf8(), &reason)) return 0;
    std::fputs(reason.toUtf8().constData(), stdout);
    return 1;
}

#include "runtime_error.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "exit_routine.h"

std::string RuntimeErrorText(std::int32_t code, std::string_view message) {
    std::string text = "运行时出错!\r\n\r\n";
    if (code != 0) text += "错误代码：" + std::to_string(code) + "\r\n\r\n";
    if (!message.empty()) {
        text += "错误信息：";
        text += message;
        text += "\r\n";
    }
    return text;
}

namespace {

void ShowBoxAndWait(const std::string& text) {
    if (QApplication::instance() == nullptr) return;
    // The box has no owner and is not modal: the windows go on painting and taking
    // events while the raising handler waits here.
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8("错误"),
                    QString::fromUtf8(text.data(), qsizetype(text.size())).replace("\r\n", "\n"),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::NonModal);
    QEventLoop wait;
    QObject::connect(&box, &QMessageBox::finished, &wait, &QEventLoop::quit);
    box.show();
    box.raise();
    box.activateWindow();
    wait.exec();
}

}  // namespace

void ReportRuntimeError(std::int32_t code, std::string_view message) {
    const std::string text = RuntimeErrorText(code, message);
    // Also on the standard error stream, for a run from a terminal or a box that cannot show.
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
    ShowBoxAndWait(text);
    DropExitRoutine();
    // The window system frees what the process held; no further program logic runs.
    std::_Exit(-1);
}

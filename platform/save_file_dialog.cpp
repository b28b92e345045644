#include "save_file_dialog.h"

#include <QDir>
#include <QMessageBox>

namespace {

QString MissingFolderWarning(const QString& folder) {
    return QStringLiteral("%1\n文件夹不存在。\n请检查路径是否正确。")
        .arg(QDir::toNativeSeparators(folder));
}

}  // namespace

SaveFileDialog::SaveFileDialog(QWidget* owner, bool pathMustExist)
    : QFileDialog(owner), pathMustExist_(pathMustExist) {
    // The same dialog on every desktop, with the rules below.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
}

void SaveFileDialog::accept() {
    // The names the dialog would return: typed names completed with the default suffix.
    const QStringList chosen = selectedFiles();
    if (pathMustExist_ && !chosen.isEmpty()) {
        const QFileInfo file(chosen.first());
        const QString folder = file.absolutePath();
        if (!file.isDir() && !QFileInfo(folder).isDir()) {
            QMessageBox::warning(this, windowTitle(), MissingFolderWarning(folder));
            return;
        }
    }
    QFileDialog::accept();
}

#include "picture_file.h"

#include <QMessageBox>

#include "file_output.h"
#include "focus_return.h"

namespace {

const QString kBoxTitle = QStringLiteral("保存图片");

}  // namespace

bool SavePictureOrWarn(QWidget* owner, const Text& path, const QByteArray& picture) {
    QString reason;
    // An empty picture must not replace the file with 0 bytes.
    if (picture.isEmpty()) {
        reason = QStringLiteral("无法生成图片。");
    } else if (WriteBytesToFile(path, picture, &reason)) {
        return true;
    }
    const FocusReturn focusReturn(owner);
    QMessageBox::warning(owner, kBoxTitle,
                         QStringLiteral("图片没有保存到\n%1\n\n%2").arg(path.ToQString(), reason));
    return false;
}

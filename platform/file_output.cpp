#include "file_output.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

// The longest file name, in bytes, of the usual file systems (ext4, XFS, btrfs, tmpfs).
constexpr qsizetype kLongestFileName = 255;
// What QSaveFile appends to the target's name for the file it renames over an existing
// target: ".XXXXXX".
constexpr qsizetype kTemporarySuffixLength = 7;

// The file QSaveFile replaces: symbolic links followed, as QSaveFile follows them.
QString FinalTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

bool SaysNothing(const QString& reason) {
    return reason.isEmpty() || reason == QFile().errorString();
}

// Replacing a file goes through a temporary name longer than the target's; for a name
// that is only just short enough that rename fails, and Qt has no word for why.
bool TooLongToReplace(const QSaveFile& file) {
    const QString name = QFileInfo(FinalTarget(file.fileName())).fileName();
    const qsizetype length = QFile::encodeName(name).size();
    return length <= kLongestFileName && length + kTemporarySuffixLength > kLongestFileName;
}

QString ReasonFor(const QSaveFile& file) {
    if (!SaysNothing(file.errorString())) return file.errorString();
    if (TooLongToReplace(file))
        return QStringLiteral(
                   "文件名太长：替换已有的文件时要先写一个名字比它长 %1 个字节的"
                   "临时文件，这超出了文件系统允许的 %2 个字节。"
                   "请换一个短一些的文件名。")
            .arg(kTemporarySuffixLength)
            .arg(kLongestFileName);
    switch (file.error()) {
        case QFileDevice::OpenError:
            return QStringLiteral("无法创建文件。");
        case QFileDevice::RenameError:
            return QStringLiteral("无法用新文件替换原有的文件。");
        default:
            return QStringLiteral("写入文件时出错。");
    }
}

// A write may stop short without an error (a disk that fills part way); the next
// attempt then reports why.
bool WriteAll(QSaveFile& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) return false;
        written += count;
    }
    return file.error() == QFileDevice::NoError;
}

bool Fail(QString* reason, QString why) {
    if (reason != nullptr) *reason = std::move(why);
    return false;
}

// Drops the temporary file; the target stays as it was.
bool Abandon(QSaveFile& file, QString* reason) {
    const QString why = ReasonFor(file);
    file.cancelWriting();
    file.commit();
    return Fail(reason, why);
}

}  // namespace

bool WriteBytesToFile(const Text& path, const QList<QByteArray>& parts, QString* reason) {
    if (path.IsEmpty()) return Fail(reason, QStringLiteral("没有给出文件路径。"));
    QSaveFile file(path.ToQString());
    // Never write into the target itself: a failure would leave it cut short.
    file.setDirectWriteFallback(false);
    // Unbuffered: each write reaches the system at once, and so does its error.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fail(reason, ReasonFor(file));
    for (const QByteArray& part : parts)
        if (!WriteAll(file, part)) return Abandon(file, reason);
    // commit() flushes whatever is still buffered but, on Qt 6.4, ignores a failure of that
    // flush and renames a cut-short file over the target; so flush and check first.
    if (!file.flush() || file.error() != QFileDevice::NoError) return Abandon(file, reason);
    if (!file.commit()) return Fail(reason, ReasonFor(file));
    return true;
}

bool WriteBytesToFile(const Text& path, const QByteArray& bytes, QString* reason) {
    return WriteBytesToFile(path, QList<QByteArray>{bytes}, reason);
}

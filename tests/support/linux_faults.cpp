#include "linux_faults.h"

#include <unistd.h>
#include <QProcess>

namespace {

int Run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000) || !process.waitForFinished(30000)) return -1;
    if (process.exitStatus() != QProcess::NormalExit) return -1;
    if (output != nullptr) *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitCode();
}

}  // namespace

bool RunningAsSuperuser() {
    return geteuid() == 0;
}

SmallDisk::SmallDisk(const QString& folder, qint64 bytes) : folder_(folder) {
    if (!RunningAsSuperuser()) {
        whyNot_ = QStringLiteral("mounting a tmpfs needs the superuser");
        return;
    }
    const QString options = QStringLiteral("size=%1,mode=0755").arg(bytes);
    mounted_ = Run("mount", {"-t", "tmpfs", "-o", options, "tmpfs", folder_}, nullptr) == 0;
    if (!mounted_) whyNot_ = QStringLiteral("mount -t tmpfs failed here");
}

SmallDisk::~SmallDisk() {
    if (mounted_) Run("umount", {folder_}, nullptr);
}

int RunUnprivileged(const QString& program, const QStringList& arguments, QString* output) {
    const QString id = QString::number(kUnprivilegedId);
    return Run("setpriv",
               QStringList{"--reuid=" + id, "--regid=" + id, "--clear-groups", program} + arguments,
               output);
}

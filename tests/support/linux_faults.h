#pragma once

#include <QString>
#include <QStringList>

// Faults made real for tests, with Linux tools: a small tmpfs for a full disk and a run
// as an unprivileged user for permissions. Both need the superuser; each answers why it
// cannot be done instead, so a test can skip.

// A tmpfs of `bytes` (rounded up to whole pages) mounted on an existing folder while the
// object lives.
class SmallDisk {
  public:
    SmallDisk(const QString& folder, qint64 bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    QString WhyNot() const { return whyNot_; }

  private:
    QString folder_;
    bool mounted_ = false;
    QString whyNot_;
};

// The user and group id of the unprivileged user that tests run programs as.
inline constexpr unsigned kUnprivilegedId = 65534;

bool RunningAsSuperuser();

// Runs `program` with `arguments` as the unprivileged user (setpriv); returns its exit
// code, or -1 when it could not be started. Its standard output goes to `output`.
int RunUnprivileged(const QString& program, const QStringList& arguments,
                    QString* output = nullptr);

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include "files_on_disk.h"

#include "file_output.h"
#include "linux_faults.h"

#ifndef FILE_OUTPUT_PROBE
#error "FILE_OUTPUT_PROBE must name the probe program"
#endif

namespace {

// The size of the one picture the program saves: 54 + 3 × 360 × 300 bytes.
constexpr qsizetype kPictureSize = 54 + 3 * 360 * 300;
constexpr qint64 kPage = 4096;

QByteArray Pattern(qsizetype size, char seed) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7);
    return bytes;
}

Text PathText(const QString& path) {
    return Text::FromQString(path);
}

// What a user should not be told: nothing, or Qt's placeholder.
bool SaysSomething(const QString& reason) {
    return !reason.isEmpty() && reason != QFile().errorString();
}

}  // namespace

class FileOutputTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void writesExactlyTheArraysInOrder_data();
    void writesExactlyTheArraysInOrder();
    void pathsKeepEveryCharacter();
    void pathsLongerThan259BytesAreWritten();
    void emptyPathTouchesNothing();
    void failureLeavesTheTargetAsItWas_data();
    void failureLeavesTheTargetAsItWas();
    void nameNear255Bytes_data();
    void nameNear255Bytes();
    void symbolicLinkIsFollowed();
    void unwritableFolderOrFile_data();
    void unwritableFolderOrFile();
    void fullDisk_data();
    void fullDisk();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void FileOutputTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void FileOutputTest::writesExactlyTheArraysInOrder_data() {
    QTest::addColumn<QByteArray>("old");  // null: no file before
    QTest::addColumn<QList<QByteArray>>("parts");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray picture = "BM" + Pattern(kPictureSize - 2, 1);
    QTest::newRow("new file") << QByteArray() << QList<QByteArray>{picture} << picture;
    QTest::newRow("longer file replaced, nothing of its end left")
        << Pattern(kPictureSize + 5000, 9) << QList<QByteArray>{picture} << picture;
    QTest::newRow("shorter file replaced")
        << QByteArray("old") << QList<QByteArray>{picture} << picture;
    QTest::newRow("arrays in order, empty ones add nothing")
        << QByteArray("old") << QList<QByteArray>{"BM", QByteArray(), "ab", QByteArray(), "c"}
        << QByteArray("BMabc");
    QTest::newRow("only empty arrays give an empty file")
        << Pattern(100, 3) << QList<QByteArray>{QByteArray(), QByteArray()} << QByteArray("");
}

void FileOutputTest::writesExactlyTheArraysInOrder() {
    QFETCH(QByteArray, old);
    QFETCH(QList<QByteArray>, parts);
    QFETCH(QByteArray, expected);
    const QString path = dir_->filePath("picture.bmp");
    if (!old.isNull()) WriteFile(path, old);

    QString reason;
    const bool written = WriteBytesToFile(PathText(path), parts, &reason);
    QVERIFY2(written, qPrintable(reason));
    QCOMPARE(ReadAll(path), expected);
    QCOMPARE(Entries(dir_->path()), QStringList{"picture.bmp"});
}

void FileOutputTest::pathsKeepEveryCharacter() {
    // GBK characters, one whose second byte is '|', one outside GBK and an emoji.
    const QString folder = dir_->filePath("签名图片");
    QVERIFY(QDir().mkdir(folder));
    const QString name = QStringLiteral("苏墨 亅 𠀀 ✍️.bmp");
    QVERIFY(WriteBytesToFile(PathText(folder + "/" + name), QByteArray("BM")));
    QCOMPARE(Entries(folder), QStringList{name});
    QCOMPARE(ReadAll(folder + "/" + name), QByteArray("BM"));
}

void FileOutputTest::pathsLongerThan259BytesAreWritten() {
    // Folders of 80 characters each (240 bytes on disk, 160 as GBK), 480 bytes and more.
    QString folder = dir_->path();
    for (int depth = 0; depth < 3; ++depth) {
        folder += "/" + QString("签").repeated(80);
        QVERIFY(QDir().mkpath(folder));
    }
    const QString path = folder + "/签名.bmp";
    QVERIFY(EncodeGb18030(path).size() > 480);
    QString reason;
    QVERIFY2(WriteBytesToFile(PathText(path), QByteArray("BM"), &reason), qPrintable(reason));
    QCOMPARE(ReadAll(path), QByteArray("BM"));
}

void FileOutputTest::emptyPathTouchesNothing() {
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_->path()));
    QString reason;
    const bool written = WriteBytesToFile(Text::FromBytes("", 0), QByteArray("BM"), &reason);
    const bool absentWritten = WriteBytesToFile(Text(), QByteArray("BM"));
    QDir::setCurrent(before);
    QVERIFY(!written);
    QVERIFY(!absentWritten);
    QVERIFY(SaysSomething(reason));
    QCOMPARE(Entries(dir_->path()), QStringList());
}

void FileOutputTest::failureLeavesTheTargetAsItWas_data() {
    QTest::addColumn<QString>("target");  // relative to the test's folder
    QTest::newRow("a folder at the path") << "folder";
    QTest::newRow("a folder that does not exist") << "missing/picture.bmp";
    QTest::newRow("a file where a folder should be") << "file/picture.bmp";
}

void FileOutputTest::failureLeavesTheTargetAsItWas() {
    QFETCH(QString, target);
    QVERIFY(QDir(dir_->path()).mkdir("folder"));
    WriteFile(dir_->filePath("folder/inside"), "kept");
    WriteFile(dir_->filePath("file"), "kept");
    const QStringList before = Entries(dir_->path());

    QString reason;
    QVERIFY(!WriteBytesToFile(PathText(dir_->filePath(target)), QByteArray("BM"), &reason));
    QVERIFY2(SaysSomething(reason), qPrintable(reason));
    QCOMPARE(Entries(dir_->path()), before);
    QCOMPARE(Entries(dir_->filePath("folder")), QStringList{"inside"});
    QCOMPARE(ReadAll(dir_->filePath("folder/inside")), QByteArray("kept"));
    QCOMPARE(ReadAll(dir_->filePath("file")), QByteArray("kept"));
}

void FileOutputTest::nameNear255Bytes_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<bool>("written");
    // Replacing a file needs a temporary name 7 bytes longer than the target's.
    QTest::newRow("248 bytes, replaced") << 248 << true << true;
    QTest::newRow("249 bytes, replaced") << 249 << true << false;
    QTest::newRow("255 bytes, replaced") << 255 << true << false;
    QTest::newRow("256 bytes, new") << 256 << false << false;
}

void FileOutputTest::nameNear255Bytes() {
    QFETCH(int, length);
    QFETCH(bool, existing);
    QFETCH(bool, written);
    // Three-byte characters, so a cut inside one would show.
    QString name = QString(length / 3, QChar(u'签'));
    name += QString(length % 3, u'a');
    QCOMPARE(name.toUtf8().size(), length);
    const QString path = dir_->filePath(name);
    if (existing) WriteFile(path, "old");
    const QStringList before = Entries(dir_->path());

    QString reason;
    QCOMPARE(WriteBytesToFile(PathText(path), QByteArray("new"), &reason), written);
    if (written) {
        QCOMPARE(ReadAll(path), QByteArray("new"));
        QCOMPARE(Entries(dir_->path()), QStringList{name});
        return;
    }
    QVERIFY2(SaysSomething(reason), qPrintable(reason));
    if (existing) QVERIFY2(reason.contains("文件名太长"), qPrintable(reason));
    QCOMPARE(Entries(dir_->path()), before);
    if (existing) QCOMPARE(ReadAll(path), QByteArray("old"));
}

void FileOutputTest::symbolicLinkIsFollowed() {
    const QString target = dir_->filePath("real.bmp");
    const QString link = dir_->filePath("link.bmp");
    const QString dangling = dir_->filePath("dangling.bmp");
    WriteFile(target, Pattern(5000, 2));
    QVERIFY(QFile::link("real.bmp", link));
    QVERIFY(QFile::link("made.bmp", dangling));

    QVERIFY(WriteBytesToFile(PathText(link), QByteArray("new")));
    QVERIFY(WriteBytesToFile(PathText(dangling), QByteArray("made")));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo(dangling).isSymLink());
    QCOMPARE(ReadAll(target), QByteArray("new"));
    QCOMPARE(ReadAll(dir_->filePath("made.bmp")), QByteArray("made"));
    QCOMPARE(Entries(dir_->path()),
             (QStringList{"dangling.bmp", "link.bmp", "made.bmp", "real.bmp"}));
}

void FileOutputTest::unwritableFolderOrFile_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("new file in a read-only folder") << "locked/new.bmp";
    QTest::newRow("read-only file in a read-only folder") << "locked/old.bmp";
    QTest::newRow("read-only file in a writable folder") << "open/old.bmp";
}

// The superuser ignores permissions, so then the write runs as an unprivileged user.
void FileOutputTest::unwritableFolderOrFile() {
    QFETCH(QString, target);
    const bool superuser = RunningAsSuperuser();
    QDir root(dir_->path());
    QVERIFY(root.mkdir("locked") && root.mkdir("open"));
    WriteFile(dir_->filePath("locked/old.bmp"), "old");
    WriteFile(dir_->filePath("open/old.bmp"), "old");
    const auto readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    const auto readOnlyFile = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(dir_->path(), readOnlyFolder | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(dir_->filePath("open/old.bmp"), readOnlyFile));
    QVERIFY(QFile::setPermissions(dir_->filePath("locked/old.bmp"), readOnlyFile));
    QVERIFY(QFile::setPermissions(dir_->filePath("locked"), readOnlyFolder));
    if (superuser) {
        // The unprivileged user owns "open", and may write there, but not the file in it.
        QVERIFY(::chown(QFile::encodeName(dir_->filePath("open")).constData(), kUnprivilegedId,
                        kUnprivilegedId) == 0);
    }
    const QString path = dir_->filePath(target);
    const QString folder = QFileInfo(path).absolutePath();
    const QStringList before = Entries(folder);

    QString reason;
    if (superuser) {
        const int status = RunUnprivileged(FILE_OUTPUT_PROBE, {path, "new"}, &reason);
        // 0 is a write that should have failed; anything but 1 is a probe that never ran.
        QVERIFY2(status != 0, "the unprivileged user could write");
        if (status != 1) QSKIP("the unprivileged user cannot run the probe from this build folder");
    } else {
        QVERIFY(!WriteBytesToFile(PathText(path), QByteArray("new"), &reason));
    }
    QVERIFY2(SaysSomething(reason), qPrintable(reason));
    QCOMPARE(Entries(folder), before);
    if (before.contains(QFileInfo(path).fileName())) QCOMPARE(ReadAll(path), QByteArray("old"));
    QFile::setPermissions(dir_->filePath("locked"), readOnlyFolder | QFile::WriteOwner);
}

void FileOutputTest::fullDisk_data() {
    QTest::addColumn<qint64>("shortBy");  // bytes of the new file the disk has no room for
    QTest::addColumn<qsizetype>("tail");  // size of a last, separate array; 0 for none
    QTest::newRow("disk full from the start") << qint64(kPictureSize) << qsizetype(0);
    QTest::newRow("disk fills within the last page") << qint64(1) << qsizetype(0);
    // A tail small enough to stay in a write buffer until the final flush.
    QTest::newRow("disk fills within a small last array") << qint64(1) << qsizetype(3000);
}

// Linux only: the full disk is a small tmpfs, which needs the superuser.
void FileOutputTest::fullDisk() {
    QFETCH(qint64, shortBy);
    QFETCH(qsizetype, tail);
    const QString folder = dir_->filePath("disk");
    QVERIFY(QDir().mkdir(folder));
    // Room for the old file's page and for the new file less `shortBy` bytes, in pages.
    const qint64 pagesNeeded = (kPictureSize + kPage - 1) / kPage;
    const qint64 roomForNew = std::max<qint64>(0, kPictureSize - shortBy);
    const qint64 pagesGiven = 1 + std::min(pagesNeeded - 1, roomForNew / kPage);
    SmallDisk disk(folder, pagesGiven * kPage);
    if (!disk.Mounted()) QSKIP(qPrintable(disk.WhyNot()));

    const QString path = folder + "/picture.bmp";
    const QByteArray old = Pattern(1000, 5);
    WriteFile(path, old);
    const qint64 available = QStorageInfo(folder).bytesAvailable();
    QVERIFY(available < kPictureSize);
    if (shortBy < kPage) QVERIFY(available > kPictureSize - kPage);

    const QByteArray picture = "BM" + Pattern(kPictureSize - 2, 4);
    QString reason;
    const bool written = WriteBytesToFile(
        PathText(path),
        tail == 0 ? QList<QByteArray>{picture}
                  : QList<QByteArray>{picture.left(kPictureSize - tail), picture.right(tail)},
        &reason);
    QVERIFY(!written);
    QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    QCOMPARE(Entries(folder), QStringList{"picture.bmp"});
    QCOMPARE(ReadAll(path), old);
    // The space of the abandoned temporary file is given back.
    QCOMPARE(QStorageInfo(folder).bytesAvailable(), available);
}

QTEST_GUILESS_MAIN(FileOutputTest)
#include "test_file_output.moc"

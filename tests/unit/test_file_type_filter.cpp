#include <QtTest>
#include <limits>

#include "file_type_filter.h"

using FileTypes = QList<FileType>;

namespace {

Text Utf8(const char* text) {
    return Text::FromUtf8(text);
}

}  // namespace

class FileTypeFilterTest : public QObject {
    Q_OBJECT

  private slots:
    void parsing_data();
    void parsing();
    void barByteInsideACharacterNeverSplits();
    void initialEntry_data();
    void initialEntry();
    void nameFilterForQtsDialog();
};

void FileTypeFilterTest::parsing_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<FileTypes>("expected");
    const FileType bitmap{"位图文件(*.bmp)", "*.bmp"};
    const FileType a{"A", "*.a"};
    const FileType b{"B", "*.b"};
    QTest::newRow("the save dialog's filter") << "位图文件(*.bmp)|*.bmp" << FileTypes{bitmap};
    QTest::newRow("ended by a bar") << "A|*.a|" << FileTypes{a};
    QTest::newRow("ended by two bars") << "A|*.a||" << FileTypes{a};
    QTest::newRow("two entries") << "A|*.a|B|*.b|" << FileTypes{a, b};
    QTest::newRow("list ends at the first empty piece") << "A|*.a||B|*.b|" << FileTypes{a};
    QTest::newRow("description without pattern is dropped") << "A|*.a|B" << FileTypes{a};
    QTest::newRow("empty first description") << "|*.a|B|*.b" << FileTypes{};
    QTest::newRow("empty filter") << "" << FileTypes{};
    QTest::newRow("only white space") << " \t\r\n" << FileTypes{};
    QTest::newRow("trailing white space dropped") << "A|*.a|B|*.b \t\r\n" << FileTypes{a, b};
    QTest::newRow("inner white space kept") << " A | *.a" << FileTypes{FileType{" A ", " *.a"}};
    QTest::newRow("several patterns")
        << "图片|*.bmp;*.dib|" << FileTypes{FileType{"图片", "*.bmp;*.dib"}};
    QTest::newRow("four-byte characters")
        << "𠀀✍️|*.𠀀" << FileTypes{FileType{"𠀀✍️", "*.𠀀"}};
}

void FileTypeFilterTest::parsing() {
    QFETCH(QString, filter);
    QFETCH(FileTypes, expected);
    QCOMPARE(ParseFileFilter(Text::FromQString(filter)), expected);
}

void FileTypeFilterTest::barByteInsideACharacterNeverSplits() {
    // 亅 is 0x81 0x7C in GB18030: its second byte is '|'.
    QCOMPARE(Utf8("亅").Bytes(), QByteArray("\x81|"));
    QCOMPARE(ParseFileFilter(Utf8("亅東|*.亅|")), (FileTypes{FileType{"亅東", "*.亅"}}));
    // The text ends in the bytes "||", but only one of them is a bar.
    QCOMPARE(ParseFileFilter(Utf8("A|亅|")), (FileTypes{FileType{"A", "亅"}}));
    // A lead byte cut off at the end stands alone.
    QCOMPARE(ParseFileFilter(Text::FromBytes(QByteArray("A|*.a|\x81"))), (FileTypes{{"A", "*.a"}}));
    // So does a lead byte that starts no valid character: the bar after it still splits
    // (found by fuzzing; a digit after a lead byte was taken for a four-byte character).
    const QList<FileType> stray = ParseFileFilter(Text::FromBytes(QByteArray("a\xE4" "18|*.a")));
    QCOMPARE(stray.size(), 1);
    QCOMPARE(stray[0].pattern, QString("*.a"));
}

void FileTypeFilterTest::initialEntry_data() {
    QTest::addColumn<int>("initialFilter");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    QTest::newRow("0 is the first") << 0 << 1 << 0;
    QTest::newRow("1 is the second") << 1 << 2 << 1;
    QTest::newRow("negative is the first") << -1 << 2 << 0;
    QTest::newRow("lowest integer") << std::numeric_limits<int>::min() << 2 << 0;
    QTest::newRow("past the end is the first") << 2 << 2 << 0;
    QTest::newRow("highest integer") << std::numeric_limits<int>::max() << 3 << 0;
}

void FileTypeFilterTest::initialEntry() {
    QFETCH(int, initialFilter);
    QFETCH(int, count);
    QFETCH(int, expected);
    QCOMPARE(InitialFileType(initialFilter, count), expected);
}

void FileTypeFilterTest::nameFilterForQtsDialog() {
    QCOMPARE(NameFilterFor({"位图文件(*.bmp)", "*.bmp"}), QString("位图文件(*.bmp) (*.bmp)"));
    QCOMPARE(NameFilterFor({"图片", "*.bmp;*.dib"}), QString("图片 (*.bmp *.dib)"));
}

QTEST_APPLESS_MAIN(FileTypeFilterTest)
#include "test_file_type_filter.moc"

#include <QProcess>
#include <QtTest>
#include <cfenv>

#include "allocation.h"
#include "exit_routine.h"
#include "one_based_list.h"
#include "real_numbers.h"
#include "runtime_error.h"
#include "shared_lists.h"
#include "text.h"

#ifndef FOUNDATION_PROBE
#error "FOUNDATION_PROBE must name the probe program"
#endif

class FoundationTest : public QObject {
    Q_OBJECT

  private slots:
    void boxTextHasCodeLineOnlyForNonZeroCodes_data();
    void boxTextHasCodeLineOnlyForNonZeroCodes();
    void failedChecksEndTheProcessWithTheirReport_data();
    void failedChecksEndTheProcessWithTheirReport();
    void listAccessInRangeAndGrowth();
    void truncationTowardZero_data();
    void truncationTowardZero();
    void evenTestOnRealRemainder();
    void textsAreGb18030Bytes_data();
    void textsAreGb18030Bytes();
    void charactersOutsideGbkSurviveTheRoundTrip();
    void aCharacterCutOffAtTheEndIsNotDropped();
    void textCopiesAreDeepAndAbsentReadsEmpty();
    void exitRoutineRunsOnceAndCanBeDropped();
    void sharedListsReleaseTheirTexts();
};

void FoundationTest::boxTextHasCodeLineOnlyForNonZeroCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    QTest::newRow("index above count")
        << 1 << "数组成员引用下标超出定义范围"
        << "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n";
    QTest::newRow("negative code") << -7 << ""
                                   << "运行时出错!\r\n\r\n错误代码：-7\r\n\r\n";
    QTest::newRow("code 0 with message") << 0 << "载入启动窗口失败"
                                         << "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n";
    QTest::newRow("nothing") << 0 << ""
                             << "运行时出错!\r\n\r\n";
}

void FoundationTest::boxTextHasCodeLineOnlyForNonZeroCodes() {
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    const std::string text = RuntimeErrorText(code, message.toStdString());
    QCOMPARE(QString::fromStdString(text), expected);
    // The box's text, as the program's text, is the GBK text byte for byte.
    QCOMPARE(Text::FromUtf8(text).Bytes(), EncodeGb18030(expected));
}

void FoundationTest::failedChecksEndTheProcessWithTheirReport_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("report");
    QTest::newRow("element 0")
        << QStringList{"index", "0"}
        << "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n";
    QTest::newRow("element -1 reports code 4 before code 1")
        << QStringList{"index", "-1"}
        << "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n";
    QTest::newRow("element 7 of 6")
        << QStringList{"index", "7"}
        << "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n";
    const QString huge = QString::number(qulonglong(1) << 60);
    QTest::newRow("allocation that cannot be had")
        << QStringList{"alloc", huge}
        << "运行时出错!\r\n\r\n错误信息：分配 " + huge + " 字节内存失败!\r\n";
}

void FoundationTest::failedChecksEndTheProcessWithTheirReport() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, report);
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "allocator_may_return_null=1");
    probe.setProcessEnvironment(environment);
    probe.start(FOUNDATION_PROBE, arguments);
    QVERIFY(probe.waitForFinished(10000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 255);
    // An instrumented build may warn about the failed allocation before the report.
    const QString error = QString::fromUtf8(probe.readAllStandardError());
    QVERIFY2(error.endsWith(report), qPrintable(error));
    QVERIFY(probe.readAllStandardOutput().isEmpty());
}

void FoundationTest::listAccessInRangeAndGrowth() {
    OneBasedList<Text> list;
    QCOMPARE(list.Count(), 0);
    for (const char* word : {"一", "二", "三"})
        list.Append(Text::FromUtf8(word));
    QCOMPARE(list.Count(), 3);
    QCOMPARE(list.At(1).ToQString(), QString("一"));
    QCOMPARE(list.At(3).ToQString(), QString("三"));
    list.Release();
    QCOMPARE(list.Count(), 0);
}

void FoundationTest::truncationTowardZero_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("52.5") << 52.5 << 52;
    QTest::newRow("-10.5") << -10.5 << -10;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("25.5") << 25.5 << 25;
    QTest::newRow("beyond the range saturates") << 1e300 << std::numeric_limits<int>::max();
    QTest::newRow("below the range saturates") << -1e300 << std::numeric_limits<int>::min();
    QTest::newRow("NaN") << std::nan("") << 0;
}

void FoundationTest::truncationTowardZero() {
    QFETCH(double, value);
    QFETCH(int, expected);
    // Whatever rounding mode arithmetic uses, conversion truncates.
    for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD}) {
        std::fesetround(mode);
        QCOMPARE(TruncateToInt(value), expected);
    }
    std::fesetround(FE_TONEAREST);
}

void FoundationTest::evenTestOnRealRemainder() {
    QVERIFY(IsEvenByRealRemainder(2));
    QVERIFY(IsEvenByRealRemainder(6));
    QVERIFY(IsEvenByRealRemainder(0));
    QVERIFY(IsEvenByRealRemainder(-4));
    QVERIFY(!IsEvenByRealRemainder(1));
    QVERIFY(!IsEvenByRealRemainder(5));
    QVERIFY(!IsEvenByRealRemainder(-3));
}

void FoundationTest::textsAreGb18030Bytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("GBK characters keep their GBK bytes")
        << "苏墨" << QByteArray("\xCB\xD5\xC4\xAB");
    QTest::newRow("ASCII") << "Dadaz" << QByteArray("Dadaz");
    QTest::newRow("outside the BMP: 𠀀") << "𠀀" << QByteArray("\x95\x32\x82\x36");
    QTest::newRow("emoji") << "😀" << QByteArray("\x94\x39\xFC\x36");
    QTest::newRow("empty") << "" << QByteArray();
}

void FoundationTest::textsAreGb18030Bytes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const Text converted = Text::FromQString(text);
    QCOMPARE(converted.Bytes(), bytes);
    QCOMPARE(converted.Length(), std::size_t(bytes.size()));
    QCOMPARE(converted.Data()[converted.Length()], '\0');
    QCOMPARE(converted.ToQString(), text);
}

void FoundationTest::charactersOutsideGbkSurviveTheRoundTrip() {
    // 䶮 has no GBK code; a GBK conversion would give "?".
    for (const QString& rare : {QString("䶮"), QString("𠀀"), QString("👨‍👩‍👧")}) {
        const Text converted = Text::FromQString(rare);
        QVERIFY(!converted.Bytes().contains('?'));
        QCOMPARE(converted.ToQString(), rare);
    }
}

void FoundationTest::aCharacterCutOffAtTheEndIsNotDropped() {
    // Found by fuzzing the filter parser: a lead byte at the very end used to vanish.
    QCOMPARE(Text::FromBytes("\x97", 1).ToQString(), QString(QChar(0xFFFD)));
    const QString cutFourByte = Text::FromBytes("a\x95\x32", 3).ToQString();
    QVERIFY(cutFourByte.startsWith('a') && cutFourByte.contains(QChar(0xFFFD)));
    QCOMPARE(Text::FromBytes("\xCB\xD5", 2).ToQString(), QString("苏"));
}

void FoundationTest::textCopiesAreDeepAndAbsentReadsEmpty() {
    const Text original = Text::FromUtf8("英文签");
    const Text copy = original;
    QVERIFY(copy == original);
    QVERIFY(copy.Data() != original.Data());
    const Text absent;
    QVERIFY(absent.IsAbsent());
    QVERIFY(absent.IsEmpty());
    QCOMPARE(QByteArray(absent.Data()), QByteArray());
    QVERIFY(Text(absent).IsAbsent());
}

namespace {
int exitRoutineCalls = 0;
void CountingRoutine() {
    ++exitRoutineCalls;
}
}  // namespace

void FoundationTest::exitRoutineRunsOnceAndCanBeDropped() {
    exitRoutineCalls = 0;
    RegisterExitRoutine(CountingRoutine);
    RunExitRoutine();
    RunExitRoutine();
    QCOMPARE(exitRoutineCalls, 1);
    RegisterExitRoutine(CountingRoutine);
    DropExitRoutine();
    RunExitRoutine();
    QCOMPARE(exitRoutineCalls, 1);
}

void FoundationTest::sharedListsReleaseTheirTexts() {
    CreateSharedLists();
    previewBoards.Append({1, 2});
    styleFonts.Append(Text::FromUtf8("宋体"));
    styleLabels.Append(Text());
    const int before = SharedListsReleaseCount();
    ReleaseSharedLists();
    QCOMPARE(SharedListsReleaseCount(), before + 1);
    QCOMPARE(previewBoards.Count(), 0);
    QCOMPARE(styleFonts.Count(), 0);
    QCOMPARE(styleLabels.Count(), 0);
}

QTEST_APPLESS_MAIN(FoundationTest)
#include "test_foundation.moc"

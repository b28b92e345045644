#include <QDesktopServices>
#include <QtTest>

#include "desktop_catcher.h"

#include "open_address.h"

class OpenAddressTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { desktop_.opened.clear(); }
    void handsTheAddressOverEncoded_data();
    void handsTheAddressOverEncoded();
    void omittedAddressOpensTheDefault();
    void emptyAddressReachesNoHandler();
    void eachCallOpensOnceMore();

  private:
    DesktopCatcher desktop_;
};

void OpenAddressTest::initTestCase() {
    for (const char* scheme : {"http", "https", "about", "file"})
        QDesktopServices::setUrlHandler(scheme, &desktop_, "Open");
}

void OpenAddressTest::cleanupTestCase() {
    for (const char* scheme : {"http", "https", "about", "file"})
        QDesktopServices::unsetUrlHandler(scheme);
}

void OpenAddressTest::handsTheAddressOverEncoded_data() {
    QTest::addColumn<QByteArray>("address");  // GB18030, as the program's texts are
    QTest::addColumn<QByteArray>("handedOver");

    const auto gb18030 = [](const char* utf8) { return EncodeGb18030(QString::fromUtf8(utf8)); };
    QTest::newRow("ASCII address as it stands")
        << gb18030("https://fonts.google.com/specimen/Zhi+Mang+Xing")
        << QByteArray("https://fonts.google.com/specimen/Zhi+Mang+Xing");
    // 沐 is E6 B2 90 in UTF-8 and C3 E5 in GB18030: the handler gets the UTF-8 form.
    QTest::newRow("Chinese after #")
        << gb18030("https://github.com/wordshub/free-font#沐瑶随心手写体")
        << QByteArray(
               "https://github.com/wordshub/free-font"
               "#%E6%B2%90%E7%91%B6%E9%9A%8F%E5%BF%83%E6%89%8B%E5%86%99%E4%BD%93");
    QTest::newRow("Chinese in the path and after #")
        << gb18030("https://zh.wikipedia.org/wiki/字体#免费")
        << QByteArray("https://zh.wikipedia.org/wiki/%E5%AD%97%E4%BD%93#%E5%85%8D%E8%B4%B9");
    QTest::newRow("character outside GBK")
        << gb18030("https://example.org/#𠀀") << QByteArray("https://example.org/#%F0%A0%80%80");
    QTest::newRow("already encoded stays as it is") << gb18030("https://example.org/#%E5%85%8D")
                                                    << QByteArray("https://example.org/#%E5%85%8D");
    QTest::newRow("space") << gb18030("https://example.org/a b")
                           << QByteArray("https://example.org/a%20b");
    QTest::newRow("bare host name is a web address")
        << gb18030("www.example.org") << QByteArray("http://www.example.org");
}

void OpenAddressTest::handsTheAddressOverEncoded() {
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, handedOver);
    OpenAddress(Text::FromBytes(address));
    QCOMPARE(desktop_.opened, QList<QByteArray>{handedOver});
}

void OpenAddressTest::omittedAddressOpensTheDefault() {
    OpenAddress();
    QCOMPARE(desktop_.opened, QList<QByteArray>{"about:blank"});
}

void OpenAddressTest::emptyAddressReachesNoHandler() {
    // The empty text is handed over as it is, and the desktop refuses it.
    OpenAddress(Text::FromUtf8(""));
    QVERIFY(desktop_.opened.isEmpty());
}

void OpenAddressTest::eachCallOpensOnceMore() {
    const Text address = Text::FromUtf8("https://example.org/");
    OpenAddress(address);
    OpenAddress(address);
    QCOMPARE(desktop_.opened, (QList<QByteArray>{"https://example.org/", "https://example.org/"}));
}

QTEST_GUILESS_MAIN(OpenAddressTest)
#include "test_open_address.moc"

// The About and font download windows as their tables make them. The program always
// opens them modally; that is tested with the main window in test_modal_windows. Here
// each is loaded on its own, which builds it the same way.
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "desktop_catcher.h"

#include "about_window.h"
#include "build_settings.h"
#include "control_factory.h"
#include "control_registry.h"
#include "font_window.h"
#include "load_window.h"
#include "loaded_window.h"
#include "percent_encoded.h"
#include "text.h"
#include "web_strip.h"
#include "while_open.h"
#include "window_placement.h"
#include "wrapped_label.h"

namespace {

const WindowDescription& DescriptionOf(const QString& window) {
    return window == "About" ? AboutWindowDescription() : FontWindowDescription();
}

QByteArray Gb18030(const char* utf8) {
    return EncodeGb18030(QString::fromUtf8(utf8));
}

const ControlRow& RowNamed(const WindowDescription& description, const QString& name) {
    for (const ControlRow& row : description.controls)
        if (QString::fromUtf8(row.name) == name) return row;
    qFatal("no row %s", qPrintable(name));
}

QString FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

}  // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void settingsSizeAndCentredPlace_data();
    void settingsSizeAndCentredPlace();
    void everyControlAtItsPlace_data();
    void everyControlAtItsPlace();
    void stackingAndClipping_data();
    void stackingAndClipping();
    void textsByteForByte_data();
    void textsByteForByte();
    void installationTextPieces();
    void fontsAndColours_data();
    void fontsAndColours();
    void transparentLabelsShowWhatLiesBeneath_data();
    void transparentLabelsShowWhatLiesBeneath();
    void wrappedTextsStayInSight_data();
    void wrappedTextsStayInSight();
    void tabWalksTheFocusOrder_data();
    void tabWalksTheFocusOrder();
    void downloadButtonsHandTheirAddressesOver();
    void spaceOpensTheFocusedAddressAndEnterNothing();
    void spaceOnTheAboutButtonOpensTheFontWindowAndEnterNothing();

  private:
    LoadedWindow* Load(const QString& window);

    DesktopCatcher desktop_;
};

void SecondaryWindowsTest::initTestCase() {
    WebStrip::SetEngineAllowed(false);
    QDesktopServices::setUrlHandler("https", &desktop_, "Open");
    QDesktopServices::setUrlHandler("http", &desktop_, "Open");
}

void SecondaryWindowsTest::cleanupTestCase() {
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("http");
}

void SecondaryWindowsTest::cleanup() {
    for (LoadedWindow* window : LoadedWindow::All())
        delete window;
    desktop_.opened.clear();
}

LoadedWindow* SecondaryWindowsTest::Load(const QString& window) {
    const WindowDescription& description = DescriptionOf(window);
    if (!LoadWindow(description, nullptr, false)) return nullptr;
    LoadedWindow* loaded = LoadedWindow::Find(description.settings.number);
    if (loaded == nullptr || !QTest::qWaitForWindowActive(loaded)) return nullptr;
    return loaded;
}

void SecondaryWindowsTest::settingsSizeAndCentredPlace_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QPoint>("placeOn1024x768");
    QTest::newRow("About") << "About"
                           << "关于本软件" << QSize(454, 378) << QPoint(282, 180);
    QTest::newRow("Font") << "Font"
                          << "字体下载与安装" << QSize(401, 245) << QPoint(308, 247);
}

void SecondaryWindowsTest::settingsSizeAndCentredPlace() {
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(QPoint, placeOn1024x768);
    LoadedWindow* loaded = Load(window);
    QVERIFY(loaded != nullptr);
    const WindowSettings& settings = DescriptionOf(window).settings;

    QCOMPARE(loaded->windowTitle(), caption);
    QCOMPARE(loaded->size(), clientSize);
    QCOMPARE(loaded->minimumSize(), loaded->maximumSize());
    QVERIFY(!settings.minimiseButton);
    QVERIFY(!(loaded->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(loaded->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(settings.escCloses);
    QVERIFY(settings.created == nullptr);
    // Without a window manager the client area starts where the frame would.
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(loaded->geometry().topLeft(),
             CentredPosition(screen, {settings.outerWidth, settings.outerHeight}));
    if (screen == QSize(1024, 768)) QCOMPARE(loaded->geometry().topLeft(), placeOn1024x768);
}

void SecondaryWindowsTest::everyControlAtItsPlace_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("controls");
    QTest::newRow("About") << "About" << 10;
    QTest::newRow("Font") << "Font" << 5;
}

void SecondaryWindowsTest::everyControlAtItsPlace() {
    QFETCH(QString, window);
    QFETCH(int, controls);
    LoadedWindow* loaded = Load(window);
    QVERIFY(loaded != nullptr);
    const WindowDescription& description = DescriptionOf(window);
    QCOMPARE(int(description.controls.size()), controls);
    for (const ControlRow& row : description.controls) {
        const QString name = QString::fromUtf8(row.name);
        auto* widget = loaded->findChild<QWidget*>(name);
        QVERIFY2(widget != nullptr, qPrintable(name));
        const QString parent = row.look.parent != nullptr ? QString::fromUtf8(row.look.parent) : "";
        QCOMPARE(widget->parentWidget(),
                 parent.isEmpty() ? loaded : loaded->findChild<QWidget*>(parent));
        QCOMPARE(widget->geometry(), QRect(row.left, row.top, row.width, row.height));
        QVERIFY(widget->isVisibleTo(loaded));
        QVERIFY(widget->isEnabled());
        QCOMPARE(widget->focusPolicy() != Qt::NoFocus, row.tab);
        QCOMPARE(ControlRegistry::Find({description.settings.number, row.number}), widget);
        QString text;
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            text = button->text();
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        if (auto* strip = qobject_cast<WebStrip*>(widget)) text = strip->Address();
        QCOMPARE(text, DisplayText(row.text));
    }
}

void SecondaryWindowsTest::stackingAndClipping_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("shown");
    // What shows at a point of the client area: the topmost control there, or none.
    QTest::newRow("About: button over the warning") << "About" << QPoint(150, 200) << "按钮3";
    QTest::newRow("About: button's far corner") << "About" << QPoint(286, 223) << "按钮3";
    QTest::newRow("About: warning over the panel") << "About" << QPoint(100, 235) << "透明标签2";
    QTest::newRow("About: panel below the warning") << "About" << QPoint(100, 250) << "图片框2";
    // The panels inside 图片框2 show only within it: above it lies the bare window.
    QTest::newRow("About: 图片框5 cut off by its panel") << "About" << QPoint(450, 225) << "";
    QTest::newRow("About: 图片框3 lies past its panel")
        << "About" << QPoint(20, 350) << "超文本浏览框1";
    QTest::newRow("About: 图片框7 over the strip") << "About" << QPoint(5, 300) << "图片框7";
    QTest::newRow("About: strip below 图片框7") << "About" << QPoint(5, 320) << "超文本浏览框1";
    QTest::newRow("About: 图片框6 over the strip") << "About" << QPoint(445, 300) << "图片框6";
    QTest::newRow("About: strip left of 图片框6") << "About" << QPoint(430, 300) << "超文本浏览框1";
    QTest::newRow("About: 图片框4 over the strip") << "About" << QPoint(200, 370) << "图片框4";
    QTest::newRow("About: strip above 图片框4") << "About" << QPoint(200, 360) << "超文本浏览框1";
    QTest::newRow("Font: label over the text") << "Font" << QPoint(30, 160) << "标签1";
    QTest::newRow("Font: text beside the label") << "Font" << QPoint(200, 160) << "透明标签1";
    QTest::newRow("Font: left button") << "Font" << QPoint(30, 200) << "按钮1";
    QTest::newRow("Font: middle button") << "Font" << QPoint(200, 200) << "按钮3";
    QTest::newRow("Font: right button") << "Font" << QPoint(300, 200) << "按钮2";
}

void SecondaryWindowsTest::stackingAndClipping() {
    QFETCH(QString, window);
    QFETCH(QPoint, at);
    QFETCH(QString, shown);
    LoadedWindow* loaded = Load(window);
    QVERIFY(loaded != nullptr);
    QWidget* topmost = loaded->childAt(at);
    QCOMPARE(topmost != nullptr ? topmost->objectName() : QString(), shown);

    // Siblings are stacked in table order: children() lists them from the bottom up.
    QStringList topDown;
    for (const ControlRow& row : DescriptionOf(window).controls)
        if (row.look.parent == nullptr) topDown.append(QString::fromUtf8(row.name));
    QStringList bottomUp;
    for (QObject* child : loaded->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            bottomUp.prepend(widget->objectName());
    QCOMPARE(bottomUp, topDown);
}

void SecondaryWindowsTest::textsByteForByte_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("bytes");  // GB18030, the program's text encoding

    const QByteArray crlf = "\r\n";
    const QByteArray thanks =
        Gb18030(
            "很感谢大家能使用我们开发的软件，如果觉得我们的软件好，请将软件推荐给你的朋友，"
            "谢谢您的支持！") +
        "  " + crlf + crlf + Gb18030("欢迎与本人洽谈：软件开发 与 网站建设业务！") + crlf + crlf +
        Gb18030(kContactLine1) + crlf + Gb18030(kContactLine2);
    QTest::newRow("About: thanks") << "About"
                                   << "标签1" << thanks;
    QTest::newRow("About: warning")
        << "About"
        << "透明标签2"
        << Gb18030("如果你的电脑没有本软件所需要的字体，请先下载并安装字体，否则无法使用本软件！");
    QTest::newRow("About: button") << "About"
                                   << "按钮3" << Gb18030("请点击这里下载字体");
    QTest::newRow("Font: installation")
        << "Font"
        << "透明标签1"
        << Gb18030("安装字体有两种方法:") + crlf + crlf +
               Gb18030("一是:复制到C:\\WINDOWS\\Fonts目录。") + crlf + "\n" +
               Gb18030("二是:打控制面板里面的“字体” ") + crlf + Gb18030("然后把字体文件拖进去");
    QTest::newRow("Font: label") << "Font"
                                 << "标签1" << Gb18030("字体下载地址：");
    QTest::newRow("Font: left button") << "Font"
                                       << "按钮1" << Gb18030("网盘下载1");
    QTest::newRow("Font: middle button") << "Font"
                                         << "按钮3" << Gb18030("网盘下载2");
    QTest::newRow("Font: right button") << "Font"
                                        << "按钮2" << Gb18030("网站下载");
}

void SecondaryWindowsTest::textsByteForByte() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Gb18030(RowNamed(DescriptionOf(window), control).text), bytes);

    // What the control shows: each CR LF, and the lone LF, ends a line.
    LoadedWindow* loaded = Load(window);
    QVERIFY(loaded != nullptr);
    QWidget* widget = loaded->findChild<QWidget*>(control);
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(widget)) shown = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown = button->text();
    QCOMPARE(shown, DecodeGb18030(bytes).replace("\r\n", "\n"));
}

void SecondaryWindowsTest::installationTextPieces() {
    const QByteArray text = Gb18030(RowNamed(FontWindowDescription(), "透明标签1").text);
    // Single backslashes, ASCII colons, curved quotes (A1 B0, A1 B1 in GB18030), the lone
    // LF after the second line break and the space before the third.
    QVERIFY(text.contains("C:\\WINDOWS\\Fonts"));
    QCOMPARE(text.count('\\'), 2);
    QCOMPARE(text.count(':'), 4);
    QVERIFY(!text.contains(Gb18030("：")));
    QVERIFY(text.contains("\xA1\xB0" + Gb18030("字体") + "\xA1\xB1 \r\n"));
    QVERIFY(text.contains(Gb18030("目录。") + "\r\n\n" + Gb18030("二是")));
    const QStringList lines = DecodeGb18030(text).replace("\r\n", "\n").split('\n');
    QCOMPARE(lines, (QStringList{"安装字体有两种方法:", "", "一是:复制到C:\\WINDOWS\\Fonts目录。",
                                 "", "二是:打控制面板里面的“字体” ", "然后把字体文件拖进去"}));
}

void SecondaryWindowsTest::fontsAndColours_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("family");  // empty: the default user-interface font
    QTest::addColumn<int>("pixelHeight");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QColor>("textColour");  // invalid: not a label
    QTest::addColumn<bool>("ownBackground");

    const QColor black(0, 0, 0), magenta(0xFF, 0x00, 0xFF), red(0xFF, 0x00, 0x00);
    QTest::newRow("About: thanks") << "About"
                                   << "标签1"
                                   << "宋体" << 16 << 400 << black << true;
    QTest::newRow("About: warning") << "About"
                                    << "透明标签2"
                                    << "宋体" << 19 << 700 << magenta << false;
    QTest::newRow("About: button") << "About"
                                   << "按钮3"
                                   << "宋体" << 12 << 700 << QColor() << true;
    QTest::newRow("Font: installation") << "Font"
                                        << "透明标签1"
                                        << "宋体" << 19 << 700 << red << false;
    QTest::newRow("Font: label") << "Font"
                                 << "标签1"
                                 << "" << 0 << 0 << black << true;
    QTest::newRow("Font: button") << "Font"
                                  << "按钮1"
                                  << "" << 0 << 0 << QColor() << true;
}

void SecondaryWindowsTest::fontsAndColours() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, family);
    QFETCH(int, pixelHeight);
    QFETCH(int, weight);
    QFETCH(QColor, textColour);
    QFETCH(bool, ownBackground);
    LoadedWindow* loaded = Load(window);
    QVERIFY(loaded != nullptr);
    QWidget* widget = loaded->findChild<QWidget*>(control);

    const QFont font = widget->font();
    if (family.isEmpty()) {
        QCOMPARE(font, QApplication::font(widget));
    } else {
        QCOMPARE(font.families().value(0), family);
        QCOMPARE(font.pixelSize(), pixelHeight);
        QCOMPARE(font.weight(), QFont::Weight(weight));
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    }
    if (textColour.isValid()) {
        // The same in every state, so a window held by a modal one keeps its colours.
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(widget->palette().color(group, QPalette::WindowText), textColour);
        QCOMPARE(widget->autoFillBackground(), ownBackground);
    }
}

void SecondaryWindowsTest::transparentLabelsShowWhatLiesBeneath_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QPoint>("bare");  // a point of the label that its text leaves bare
    QTest::newRow("About") << "About"
                           << "透明标签2" << QColor(0xFF, 0x00, 0xFF) << QPoint(400, 180);
    QTest::newRow("Font") << "Font"
                          << "透明标签1" << QColor(0xFF, 0x00, 0x00) << QPoint(340, 15);
}

void SecondaryWindowsTest::transparentLabelsShowWhatLiesBeneath() {
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(QColor, colour);
    QFETCH(QPoint, bare);
    LoadedWindow* loaded = Load(window);
    QVERIFY(loaded != nullptr);
    // A background of the window that no label or panel has: it shows only through the
    // transparent label.
    const QColor green(0x00, 0xC0, 0x00);
    QPalette palette = loaded->palette();
    palette.setColor(QPalette::Window, green);
    loaded->setPalette(palette);
    const QImage shot = loaded->grab().toImage();
    QCOMPARE(shot.pixelColor(bare), green);

    const QRect rect = loaded->findChild<QWidget*>(label)->geometry();
    int written = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (shot.pixelColor(x, y) == colour) ++written;
    QVERIFY(written > 100);
}

void SecondaryWindowsTest::wrappedTextsStayInSight_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<int>("bottom");  // where a control above it or its own edge begins
    QTest::newRow("About: thanks, inside its label") << "About"
                                                     << "标签1" << 6 << 144;
    QTest::newRow("About: warning, above the button") << "About"
                                                      << "透明标签2" << 1 << 192;
    QTest::newRow("Font: installation, above its label") << "Font"
                                                         << "透明标签1" << 6 << 152;
}

void SecondaryWindowsTest::wrappedTextsStayInSight() {
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(int, paragraphs);
    QFETCH(int, bottom);
    LoadedWindow* loaded = Load(window);
    QVERIFY(loaded != nullptr);
    auto* wrapped = loaded->findChild<WrappedLabel*>(label);
    QVERIFY(wrapped != nullptr);
    // One line every character height, whatever face stands in for 宋体.
    QCOMPARE(wrapped->LineAdvance(), wrapped->font().pixelSize());
    QVERIFY(wrapped->LineCount() >= paragraphs);
    QVERIFY2(wrapped->y() + wrapped->TextHeight() <= bottom,
             qPrintable(QString("%1 lines reach y %2")
                            .arg(wrapped->LineCount())
                            .arg(wrapped->y() + wrapped->TextHeight())));
}

void SecondaryWindowsTest::tabWalksTheFocusOrder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("About") << "About" << QStringList{"超文本浏览框1", "按钮3"};
    // From the left button to the right one, then to the middle one.
    QTest::newRow("Font") << "Font" << QStringList{"按钮1", "按钮2", "按钮3"};
}

void SecondaryWindowsTest::tabWalksTheFocusOrder() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    LoadedWindow* loaded = Load(window);
    QVERIFY(loaded != nullptr);
    QCOMPARE(FocusName(), order.first());
    for (int i = 1; i <= 2 * order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusName(), order[i % order.size()]);
    }
    for (int i = 2 * order.size() - 1; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(FocusName(), order[i % order.size()]);
    }
    // A click on a control outside the order leaves the focus where it is.
    for (const ControlRow& row : DescriptionOf(window).controls) {
        if (row.tab) continue;
        auto* widget = loaded->findChild<QWidget*>(QString::fromUtf8(row.name));
        if (widget->visibleRegion().isEmpty()) continue;
        const QPoint point = widget->visibleRegion().boundingRect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
        QCOMPARE(FocusName(), order.first());
    }
}

void SecondaryWindowsTest::downloadButtonsHandTheirAddressesOver() {
    LoadedWindow* font = Load("Font");
    QVERIFY(font != nullptr);
    for (const char* button : {"按钮1", "按钮1", "按钮3", "按钮3", "按钮2", "按钮2"})
        QTest::mouseClick(font->findChild<QWidget*>(button), Qt::LeftButton);
    QCOMPARE(desktop_.opened, (QList<QByteArray>{
                                  PercentEncoded(kDownloadAddress1),
                                  PercentEncoded(kDownloadAddress1),
                                  PercentEncoded(kDownloadAddress2),
                                  PercentEncoded(kDownloadAddress2),
                                  PercentEncoded(kDownloadAddress3),
                                  PercentEncoded(kDownloadAddress3),
                              }));
    // The window stays open and usable.
    QCOMPARE(LoadedWindow::Find(kFontWindowNumber), font);
    QVERIFY(font->isVisible() && font->isEnabled());
}

void SecondaryWindowsTest::spaceOpensTheFocusedAddressAndEnterNothing() {
    LoadedWindow* font = Load("Font");
    QVERIFY(font != nullptr);
    QCOMPARE(FocusName(), QString("按钮1"));
    for (const char* button : {"按钮1", "按钮2", "按钮3"}) {
        font->findChild<QWidget*>(button)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    }
    QVERIFY(desktop_.opened.isEmpty());
    font->findChild<QWidget*>("按钮1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(desktop_.opened, QList<QByteArray>{PercentEncoded(kDownloadAddress1)});
    QCOMPARE(FocusName(), QString("按钮1"));
}

void SecondaryWindowsTest::spaceOnTheAboutButtonOpensTheFontWindowAndEnterNothing() {
    LoadedWindow* about = Load("About");
    QVERIFY(about != nullptr);
    QWidget* download = about->findChild<QWidget*>("按钮3");
    download->setFocus();
    // Counts the font windows that open, and closes each again.
    auto opened = std::make_shared<int>(0);
    WhileOpen(kFontWindowNumber, [opened](LoadedWindow*) { ++*opened; });
    QTest::keyClick(download, Qt::Key_Return);
    QTest::keyClick(download, Qt::Key_Enter);
    QTest::qWait(100);
    QCOMPARE(*opened, 0);
    QTest::keyClick(download, Qt::Key_Space);
    QCOMPARE(*opened, 1);
}

QTEST_MAIN(SecondaryWindowsTest)
#include "test_secondary_windows.moc"

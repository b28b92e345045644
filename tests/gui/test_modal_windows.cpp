#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <array>

#include "about_window.h"
#include "control_factory.h"
#include "control_registry.h"
#include "font_window.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "main_window_refs.h"
#include "modal_owner.h"
#include "shared_lists.h"
#include "web_strip.h"
#include "while_open.h"

namespace {

using Recorded = QList<QPair<std::uint32_t, bool>>;

// The windows a modal window disabled, by number, with the states they had.
Recorded RecordedBy(const LoadedWindow* window) {
    Recorded recorded;
    for (const auto& [disabled, wasEnabled] : window->DisabledWindows())
        recorded.append({disabled ? disabled->Number() : 0, wasEnabled});
    return recorded;
}

// A click as the window system delivers it, so the toolkit's own blocking applies.
void ClickThroughWindowSystem(QWidget* control) {
    const QPoint inWindow = control->mapTo(control->window(), control->rect().center());
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {}, inWindow);
}

void PressEscape() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// A window whose one control cannot be made: it names a panel that does not exist.
const std::array<ControlRow, 1> kBrokenControls = {{
    {"图片框1",
     ControlKind::PictureBox,
     0x16010001,
     0,
     0,
     10,
     10,
     true,
     false,
     nullptr,
     {.parent = "图片框9"}},
}};
const WindowDescription kBrokenWindow = {
    .settings = {.name = "BrokenWindow",
                 .number = 0x520100FF,
                 .caption = "broken",
                 .outerWidth = 100,
                 .outerHeight = 100,
                 .minimiseButton = false,
                 .taskBarEntry = true,
                 .escCloses = true},
    .controls = kBrokenControls,
    .bindings = {},
};

}  // namespace

class ModalWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase() { ReleaseModalOwnerWindow(); }
    void init();
    void cleanup();
    void aboutHoldsTheMainWindowExactlyWhileOpen_data();
    void aboutHoldsTheMainWindowExactlyWhileOpen();
    void fontWindowHoldsBothAndTheyCloseInReverseOrder();
    void aWindowDisabledBeforeStaysSo_data();
    void aWindowDisabledBeforeStaysSo();
    void reopeningGivesAFreshWindow();
    void aLoadedWindowIsBroughtBackNotMadeAgain();
    void aWindowThatCannotBeMadeLeavesNothing();
    void aNamedParentMustBeLoaded();
    void disabledWindowsGoOnPainting();
    void modalWindowsAreOwnedDialogs();
    void withoutAWindowToOpenFromTheInvisibleOwnerOwns();

  private:
    LoadedWindow* main_ = nullptr;
};

void ModalWindowsTest::initTestCase() {
    WebStrip::SetEngineAllowed(false);
    CreateModalOwnerWindow();
}

void ModalWindowsTest::init() {
    CreateSharedLists();
    QVERIFY(LoadWindow(MainWindowDescription(), nullptr, false));
    main_ = LoadedWindow::Find(kMainWindowNumber);
    QVERIFY(main_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(main_));
}

void ModalWindowsTest::cleanup() {
    for (LoadedWindow* window : LoadedWindow::All())
        delete window;
    ReleaseSharedLists();
}

void ModalWindowsTest::aboutHoldsTheMainWindowExactlyWhileOpen_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("关于软件") << "按钮5";
    QTest::newRow("支持作者") << "按钮4";
}

void ModalWindowsTest::aboutHoldsTheMainWindowExactlyWhileOpen() {
    QFETCH(QString, button);
    auto* opener = main_->findChild<QPushButton*>(button);
    QSignalSpy previews(main_->findChild<QPushButton*>("按钮1"), &QAbstractButton::clicked);
    QPointer<LoadedWindow> about;
    bool clickReturned = false;
    bool opened = false;

    WhileOpen(kAboutWindowNumber, [&](LoadedWindow* window) {
        opened = true;
        about = window;
        QVERIFY(!clickReturned);
        QVERIFY(!main_->isEnabled());
        QVERIFY(about->isEnabled());
        QVERIFY(about->IsModal());
        QTRY_COMPARE(QApplication::activeWindow(), about.data());
        // The main window takes no input.
        ClickThroughWindowSystem(main_->findChild<QWidget*>("按钮1"));
        QCOMPARE(previews.count(), 0);
        QCOMPARE(LoadedWindow::Find(kMainWindowNumber), main_);
        // Esc closes About only.
        PressEscape();
        QCOMPARE(LoadedWindow::Find(kAboutWindowNumber), nullptr);
        QVERIFY(main_->isEnabled());
    });
    QTest::mouseClick(opener, Qt::LeftButton);
    clickReturned = true;

    QVERIFY(opened);
    // The handler returned only after About was gone, and the main window is usable again
    // with the focus where it was.
    QVERIFY(about.isNull());
    QVERIFY(main_->isEnabled());
    QTRY_COMPARE(QApplication::activeWindow(), main_);
    QCOMPARE(QApplication::focusWidget(), opener);
    QCOMPARE(LoadedWindow::All(), QList<LoadedWindow*>{main_});
}

void ModalWindowsTest::fontWindowHoldsBothAndTheyCloseInReverseOrder() {
    Recorded byAbout, byFont;
    bool fontClosedFirst = false;
    bool aboutUsableAgain = false;

    WhileOpen(kAboutWindowNumber, [&](LoadedWindow* about) {
        byAbout = RecordedBy(about);
        auto* download = about->findChild<QPushButton*>("按钮3");
        WhileOpen(kFontWindowNumber, [&](LoadedWindow* font) {
            byFont = RecordedBy(font);
            QVERIFY(!main_->isEnabled());
            QVERIFY(!about->isEnabled());
            QVERIFY(font->isEnabled());
            QTRY_COMPARE(QApplication::activeWindow(), font);
            // About beneath takes no click; Esc in the font window closes it alone.
            QSignalSpy downloads(download, &QAbstractButton::clicked);
            ClickThroughWindowSystem(download);
            QCOMPARE(downloads.count(), 0);
            PressEscape();
            QCOMPARE(LoadedWindow::Find(kFontWindowNumber), nullptr);
            QCOMPARE(LoadedWindow::Find(kAboutWindowNumber), about);
            // Closing gives About its input back at once and leaves the main window held.
            QVERIFY(about->isEnabled());
            QVERIFY(!main_->isEnabled());
        });
        QTest::mouseClick(download, Qt::LeftButton);
        fontClosedFirst = LoadedWindow::Find(kFontWindowNumber) == nullptr;
        QVERIFY(!main_->isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), about);
        QCOMPARE(QApplication::focusWidget(), download);
        aboutUsableAgain = about->isEnabled();
        PressEscape();
        QCOMPARE(LoadedWindow::Find(kAboutWindowNumber), nullptr);
    });
    QTest::mouseClick(main_->findChild<QWidget*>("按钮5"), Qt::LeftButton);

    QVERIFY(fontClosedFirst);
    QVERIFY(aboutUsableAgain);
    QVERIFY(main_->isEnabled());
    // Each recorded every other loaded window in the order they were loaded, with the
    // state it had then.
    QCOMPARE(byAbout, (Recorded{{kMainWindowNumber, true}}));
    QCOMPARE(byFont, (Recorded{{kMainWindowNumber, false}, {kAboutWindowNumber, true}}));
}

void ModalWindowsTest::aWindowDisabledBeforeStaysSo_data() {
    QTest::addColumn<bool>("enabledBefore");
    QTest::newRow("enabled before") << true;
    QTest::newRow("disabled before") << false;
}

void ModalWindowsTest::aWindowDisabledBeforeStaysSo() {
    QFETCH(bool, enabledBefore);
    main_->setEnabled(enabledBefore);
    bool enabledWhileOpen = true;
    WhileOpen(kAboutWindowNumber, [&](LoadedWindow*) { enabledWhileOpen = main_->isEnabled(); });
    OpenAboutWindow();
    QVERIFY(!enabledWhileOpen);
    QCOMPARE(main_->isEnabled(), enabledBefore);
}

void ModalWindowsTest::reopeningGivesAFreshWindow() {
    const QString thanks = DisplayText(AboutWindowDescription().controls[2].text);
    QPointer<LoadedWindow> first;
    QPointer<QLabel> firstLabel;
    WhileOpen(kAboutWindowNumber, [&](LoadedWindow* about) {
        first = about;
        firstLabel = about->findChild<QLabel*>("标签1");
        QCOMPARE(firstLabel->text(), thanks);
        firstLabel->setText("changed");
        about->move(0, 0);
        about->findChild<QWidget*>("按钮3")->setFocus();
    });
    OpenAboutWindow();
    QVERIFY(first.isNull());
    QVERIFY(firstLabel.isNull());

    bool checked = false;
    WhileOpen(kAboutWindowNumber, [&](LoadedWindow* about) {
        auto* label = about->findChild<QLabel*>("标签1");
        QCOMPARE(label->text(), thanks);
        QCOMPARE(ControlRegistry::Find({kAboutWindowNumber, 0x1601004A}), label);
        QCOMPARE(about->geometry().topLeft(), QPoint(282, 180));
        QTRY_COMPARE(QApplication::focusWidget(), about->findChild<QWidget*>("超文本浏览框1"));
        checked = true;
    });
    OpenAboutWindow();
    QVERIFY(checked);
}

void ModalWindowsTest::aLoadedWindowIsBroughtBackNotMadeAgain() {
    QVERIFY(LoadWindow(MainWindowDescription(), nullptr, false));
    QCOMPARE(LoadedWindow::All(), QList<LoadedWindow*>{main_});

    bool returnedAtOnce = false;
    bool restored = false;
    QList<LoadedWindow*> windowsWhileOpen;
    WhileOpen(kAboutWindowNumber, [&](LoadedWindow* about) {
        windowsWhileOpen = LoadedWindow::All();
        // Still inside About's wait: a second modal load of it comes straight back.
        returnedAtOnce = LoadWindow(AboutWindowDescription(), nullptr, true);
        QCOMPARE(LoadedWindow::All(), windowsWhileOpen);
        about->showMinimized();
        QVERIFY(about->isMinimized());
        QVERIFY(LoadWindow(AboutWindowDescription(), nullptr, true));
        restored = !about->isMinimized();
        QCOMPARE(LoadedWindow::All(), windowsWhileOpen);
    });
    OpenAboutWindow();
    QVERIFY(returnedAtOnce);
    QVERIFY(restored);
    QCOMPARE(windowsWhileOpen.size(), 2);
}

void ModalWindowsTest::aWindowThatCannotBeMadeLeavesNothing() {
    QVERIFY(!LoadWindow(kBrokenWindow, nullptr, true));
    QCOMPARE(LoadedWindow::All(), QList<LoadedWindow*>{main_});
    QCOMPARE(ControlRegistry::Find({0x520100FF, 0x16010001}), nullptr);
    QVERIFY(main_->isEnabled());
}

void ModalWindowsTest::aNamedParentMustBeLoaded() {
    QWidget stranger;
    QVERIFY(!LoadWindow(AboutWindowDescription(), &stranger, true));
    QVERIFY(!LoadWindow(AboutWindowDescription(), &stranger, false));
    QCOMPARE(LoadedWindow::All(), QList<LoadedWindow*>{main_});
    QVERIFY(main_->isEnabled());
}

void ModalWindowsTest::disabledWindowsGoOnPainting() {
    QWidget* board = main_->findChild<QWidget*>("画板1");
    PaintCounter counter;
    board->installEventFilter(&counter);
    bool painted = false;
    WhileOpen(kAboutWindowNumber, [&](LoadedWindow*) {
        counter.paints = 0;
        board->update();
        QTRY_VERIFY(counter.paints > 0);
        painted = !main_->isEnabled();
    });
    OpenAboutWindow();
    QVERIFY(painted);
}

void ModalWindowsTest::modalWindowsAreOwnedDialogs() {
    const auto ownedDialog = [](LoadedWindow* window, LoadedWindow* owner) {
        QCOMPARE(window->windowType(), Qt::Dialog);
        QCOMPARE(window->windowModality(), Qt::ApplicationModal);
        QCOMPARE(window->windowHandle()->transientParent(), owner->windowHandle());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->minimumSize(), window->maximumSize());
    };
    int checked = 0;
    WhileOpen(kAboutWindowNumber, [&](LoadedWindow* about) {
        ownedDialog(about, main_);
        ++checked;
        WhileOpen(kFontWindowNumber, [&](LoadedWindow* font) {
            ownedDialog(font, about);
            ++checked;
        });
        QTest::mouseClick(about->findChild<QWidget*>("按钮3"), Qt::LeftButton);
    });
    QTest::mouseClick(main_->findChild<QWidget*>("按钮4"), Qt::LeftButton);
    QCOMPARE(checked, 2);
    // The main window has a task-bar entry of its own.
    QCOMPARE(main_->windowType(), Qt::Window);
    QCOMPARE(main_->windowHandle()->transientParent(), nullptr);
}

void ModalWindowsTest::withoutAWindowToOpenFromTheInvisibleOwnerOwns() {
    delete main_;
    bool owned = false;
    WhileOpen(kAboutWindowNumber, [&](LoadedWindow* about) {
        QCOMPARE(about->windowHandle()->transientParent(), ModalOwnerWindow()->windowHandle());
        owned = true;
    });
    OpenAboutWindow();
    QVERIFY(owned);
}

QTEST_MAIN(ModalWindowsTest)
#include "test_modal_windows.moc"

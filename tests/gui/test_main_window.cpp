#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "control_factory.h"
#include "control_registry.h"
#include "drawing_board.h"
#include "load_window.h"
#include "loaded_window.h"
#include "main_window.h"
#include "shared_lists.h"
#include "web_strip.h"

namespace {

const QStringList kFocusOrder = {"编辑框1", "按钮1",         "编辑框2", "选择框1",
                                 "按钮2",   "超文本浏览框1", "按钮4",   "按钮5"};

QString FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void windowSettingsAndPlacement();
    void everyControlAtItsPlaceWithItsText();
    void stackingFollowsTheTable();
    void controlsAreRegisteredByReference();
    void tabWalksTheFocusOrderAndWraps();
    void onlyTabRowsTakeTheFocus();
    void enterChangesNothing();
    void spacePressesTheFocusedButton();
    void escapeClosesTheWindow();

  private:
    LoadedWindow* window_ = nullptr;
};

void MainWindowTest::init() {
    WebStrip::SetEngineAllowed(false);
    CreateSharedLists();
    QVERIFY(LoadWindow(MainWindowDescription(), nullptr, false));
    window_ = LoadedWindow::Find(0x52010001);
    QVERIFY(window_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void MainWindowTest::cleanup() {
    delete LoadedWindow::Find(0x52010001);
    ReleaseSharedLists();
}

void MainWindowTest::windowSettingsAndPlacement() {
    QCOMPARE(window_->windowTitle(), QString("Glyphora  v3.0 官方正式版"));
    QCOMPARE(window_->size(), QSize(415, 556));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(window_->windowType(), Qt::Window);
    // Without a window manager the client area starts where the frame would.
    QCOMPARE(window_->geometry().topLeft(), QPoint(301, 91));
}

void MainWindowTest::everyControlAtItsPlaceWithItsText() {
    const WindowDescription& description = MainWindowDescription();
    QCOMPARE(description.controls.size(), std::size_t(20));
    for (const ControlRow& row : description.controls) {
        const QString name = QString::fromUtf8(row.name);
        QObject* control = window_->findChild<QObject*>(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        auto* widget = qobject_cast<QWidget*>(control);
        if (row.kind == ControlKind::FileDialog) {
            QVERIFY(widget == nullptr);
            continue;
        }
        QVERIFY2(widget != nullptr, qPrintable(name));
        QCOMPARE(widget->geometry(), QRect(row.left, row.top, row.width, row.height));
        QCOMPARE(widget->isVisibleTo(window_), row.visible);
        QCOMPARE(widget->isEnabled(), true);
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) text = edit->text();
        if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        if (auto* strip = qobject_cast<WebStrip*>(widget)) text = strip->Address();
        QCOMPARE(text, DisplayText(row.text));
    }
    auto* check = window_->findChild<QCheckBox*>("选择框1");
    QVERIFY(check->isChecked());
    for (const char* name : {"编辑框1", "编辑框2"}) {
        auto* edit = window_->findChild<QLineEdit*>(name);
        QCOMPARE(edit->cursorPosition(), 0);
        QVERIFY(!edit->hasSelectedText());
    }
    for (auto* button : window_->findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    auto* hidden = window_->findChild<DrawingBoard*>("保存图片");
    QCOMPARE(hidden->Width(), 56);
    QCOMPARE(hidden->Height(), 32);
    QCOMPARE(hidden->BackColour(), kFaceColour);
}

void MainWindowTest::stackingFollowsTheTable() {
    // children() lists siblings from the bottom of the stack up.
    QStringList bottomUp;
    for (QObject* child : window_->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            bottomUp.prepend(widget->objectName());
    QStringList topDown;
    for (const ControlRow& row : MainWindowDescription().controls)
        if (row.kind != ControlKind::FileDialog) topDown.append(QString::fromUtf8(row.name));
    QCOMPARE(bottomUp, topDown);
    // The panels cover the strip where they overlap it.
    QWidget* strip = window_->findChild<QWidget*>("超文本浏览框1");
    QWidget* panel = window_->findChild<QWidget*>("图片框1");
    QCOMPARE(window_->childAt(200, 460), panel);
    QCOMPARE(window_->childAt(200, 500), strip);
}

void MainWindowTest::controlsAreRegisteredByReference() {
    for (const ControlRow& row : MainWindowDescription().controls)
        QCOMPARE(ControlRegistry::Find({0x52010001, row.number}),
                 window_->findChild<QObject*>(QString::fromUtf8(row.name)));
}

void MainWindowTest::tabWalksTheFocusOrderAndWraps() {
    QCOMPARE(FocusName(), QString("编辑框1"));
    for (int i = 1; i <= kFocusOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusName(), kFocusOrder[i % kFocusOrder.size()]);
    }
    for (int i = kFocusOrder.size() - 1; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(FocusName(), kFocusOrder[i]);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QString("按钮5"));
}

void MainWindowTest::onlyTabRowsTakeTheFocus() {
    for (const ControlRow& row : MainWindowDescription().controls) {
        auto* widget = window_->findChild<QWidget*>(QString::fromUtf8(row.name));
        if (widget == nullptr) continue;
        QCOMPARE(widget->focusPolicy() != Qt::NoFocus, row.tab);
        if (!row.tab && row.visible) {
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
            QVERIFY2(FocusName() != row.name, row.name);
        }
    }
}

void MainWindowTest::enterChangesNothing() {
    auto* first = window_->findChild<QLineEdit*>("编辑框1");
    auto* board = window_->findChild<DrawingBoard*>("画板1");
    const QImage before = board->Snapshot();
    for (const QString& name : kFocusOrder) {
        QWidget* widget = window_->findChild<QWidget*>(name);
        widget->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(widget, key);
        QCOMPARE(FocusName(), name);
    }
    QCOMPARE(first->text(), QString("苏墨"));
    QVERIFY(window_->findChild<QCheckBox*>("选择框1")->isChecked());
    QCOMPARE(board->Snapshot(), before);
    QCOMPARE(LoadedWindow::All().size(), 1);
}

void MainWindowTest::spacePressesTheFocusedButton() {
    auto* check = window_->findChild<QCheckBox*>("选择框1");
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    QVERIFY(!check->isChecked());
    QSignalSpy clicked(window_->findChild<QPushButton*>("按钮1"), &QAbstractButton::clicked);
    window_->findChild<QWidget*>("按钮1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(clicked.count(), 1);
}

void MainWindowTest::escapeClosesTheWindow() {
    QPointer<LoadedWindow> window = window_;
    QTest::keyClick(window_->findChild<QWidget*>("编辑框2"), Qt::Key_Escape);
    QTRY_VERIFY(window.isNull());
    QVERIFY(LoadedWindow::All().isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"

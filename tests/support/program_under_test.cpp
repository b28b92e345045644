#include "program_under_test.h"

#include <xcb/xcb.h>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QtTest>

#include <cstring>

QString Xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.start("xdotool", arguments);
    tool.waitForFinished(20000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

QString WindowProperty(unsigned long window, const QString& property) {
    QProcess tool;
    tool.start("xprop", {"-id", QString::number(window), property});
    tool.waitForFinished(20000);
    const QString line = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    // "NAME(TYPE) = value", "NAME(TYPE): value", or "NAME:  not found."
    const qsizetype type = line.indexOf(')');
    if (!line.startsWith(property + "(") || type < 0) return {};
    return line.mid(type + 1).remove(0, 2).trimmed();
}

ProgramUnderTest::ProgramUnderTest(QString program, QStringList arguments)
    : program_(std::move(program)), arguments_(std::move(arguments)) {}

void ProgramUnderTest::SetEnvironment(const QString& name, const QString& value) {
    environment_.insert(name, value);
}

ProgramUnderTest::~ProgramUnderTest() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool ProgramUnderTest::Start(const QString& title) {
    environment_.insert("HOME", home_.path());
    process_.setProcessEnvironment(environment_);
    process_.start(program_, arguments_);
    if (!process_.waitForStarted(10000)) return false;
    return WaitForWindow(title) != 0;
}

unsigned long ProgramUnderTest::WaitForWindow(const QString& title, int timeoutMs) const {
    const QString pattern = "^" + QRegularExpression::escape(title) + "$";
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QString found = Xdotool({"search", "--onlyvisible", "--name", pattern});
        if (!found.isEmpty()) {
            // Let the window finish its first paint.
            QTest::qWait(300);
            return found.split('\n').first().toULong();
        }
        QTest::qWait(100);
    }
    return 0;
}

bool ProgramUnderTest::WaitForWindowGone(const QString& title, int timeoutMs) const {
    const QString pattern = "^" + QRegularExpression::escape(title) + "$";
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (Xdotool({"search", "--onlyvisible", "--name", pattern}).isEmpty()) return true;
        QTest::qWait(100);
    }
    return false;
}

QRect ProgramUnderTest::ClientGeometry(unsigned long window) const {
    QRect geometry;
    for (const QString& line :
         Xdotool({"getwindowgeometry", "--shell", QString::number(window)}).split('\n')) {
        const QStringList pair = line.split('=');
        if (pair.size() != 2) continue;
        const int value = pair[1].toInt();
        if (pair[0] == "X") geometry.moveLeft(value);
        if (pair[0] == "Y") geometry.moveTop(value);
        if (pair[0] == "WIDTH") geometry.setWidth(value);
        if (pair[0] == "HEIGHT") geometry.setHeight(value);
    }
    return geometry;
}

void ProgramUnderTest::Key(const QString& keys) const {
    Xdotool(QStringList{"key", "--delay", "60"} + keys.split(' '));
    QTest::qWait(150);
}

void ProgramUnderTest::Type(const QString& text) const {
    Xdotool({"type", "--delay", "40", text});
    QTest::qWait(150);
}

void ProgramUnderTest::Click(QPoint onScreen) const {
    Xdotool(
        {"mousemove", QString::number(onScreen.x()), QString::number(onScreen.y()), "click", "1"});
    QTest::qWait(200);
}

void ProgramUnderTest::Close(unsigned long window) const {
    // What a window manager sends when the close box is clicked.
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t value = reply != nullptr ? reply->atom : XCB_ATOM_NONE;
        free(reply);
        return value;
    };
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window);
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, xcb_window_t(window), XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    // A round trip before leaving: a busy server may drop the last requests of a client
    // that has already hung up, and the message would never arrive.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
    QTest::qWait(200);
}

QImage ProgramUnderTest::Screenshot() const {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

bool ProgramUnderTest::WaitForExit(int timeoutMs) {
    // The finish may already have been seen while the test waited for events.
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
}

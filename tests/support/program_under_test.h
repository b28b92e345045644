#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The built program started as its own process on the test's X server and driven as a
// user drives it: keys and clicks through xdotool, what it shows from the screen.
class ProgramUnderTest {
  public:
    explicit ProgramUnderTest(QString program, QStringList arguments = {});
    ~ProgramUnderTest();

    // Sets a variable of the program's environment; call it before Start.
    void SetEnvironment(const QString& name, const QString& value);

    // Starts the program and waits until a window titled exactly `title` is shown.
    bool Start(const QString& title = QStringLiteral("Glyphora  v3.0 官方正式版"));
    // The X window id of the shown window titled exactly `title`, or 0.
    unsigned long WaitForWindow(const QString& title, int timeoutMs = 15000) const;
    // Waits until no window titled exactly `title` is shown.
    bool WaitForWindowGone(const QString& title, int timeoutMs = 15000) const;
    // The window's client area on the screen.
    QRect ClientGeometry(unsigned long window) const;
    void Key(const QString& keys) const;
    void Type(const QString& text) const;
    void Click(QPoint onScreen) const;
    // Asks the window to close, as its close box does.
    void Close(unsigned long window) const;
    QImage Screenshot() const;

    bool WaitForExit(int timeoutMs = 15000);
    int ExitCode() const { return process_.exitCode(); }
    QByteArray StandardOutput() { return process_.readAllStandardOutput(); }
    QByteArray StandardError() { return process_.readAllStandardError(); }
    QString Home() const { return home_.path(); }

  private:
    QString program_;
    QStringList arguments_;
    QTemporaryDir home_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
    QProcess process_;
};

// Runs xdotool with the arguments; returns its standard output.
QString Xdotool(const QStringList& arguments);
// The value of one property of an X window as xprop prints it after "=" or ":", or empty
// when the window does not have it.
QString WindowProperty(unsigned long window, const QString& property);

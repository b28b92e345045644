#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QFileDialog;
class QMessageBox;
class QWidget;

// Answers the modal dialogs of the code under test as they appear, one step after the
// other, from inside their own nested event loops: a test sets the script up, then
// calls what opens the dialog. Each step waits until the active modal window is of its
// kind. A script that has not finished in time closes every modal window, so the test
// fails instead of hanging.
class ModalScript : public QObject {
    Q_OBJECT

  public:
    explicit ModalScript(int timeoutMs = 15000);

    ModalScript& OnFileDialog(std::function<void(QFileDialog*)> action);
    ModalScript& OnMessageBox(std::function<void(QMessageBox*)> action);

    bool Finished() const { return next_ == steps_.size(); }
    // What went wrong, or empty.
    QString Failure() const { return failure_; }

  private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> action;
    };
    void Poll();

    QList<Step> steps_;
    qsizetype next_ = 0;
    QTimer poll_;
    QDeadlineTimer deadline_;
    QString failure_;
};

// Steps a user takes in Qt's own save dialog.
void TypeNameAndConfirm(QFileDialog* dialog, const QString& name);
void Cancel(QFileDialog* dialog);
// The text the dialog's name field holds.
QString NameField(QFileDialog* dialog);

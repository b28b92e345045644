#include "modal_script.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QtTest>

ModalScript::ModalScript(int timeoutMs) : deadline_(timeoutMs) {
    poll_.setInterval(20);
    connect(&poll_, &QTimer::timeout, this, &ModalScript::Poll);
    poll_.start();
}

ModalScript& ModalScript::OnFileDialog(std::function<void(QFileDialog*)> action) {
    steps_.append({[](QWidget* w) { return qobject_cast<QFileDialog*>(w) != nullptr; },
                   [action](QWidget* w) { action(qobject_cast<QFileDialog*>(w)); }});
    return *this;
}

ModalScript& ModalScript::OnMessageBox(std::function<void(QMessageBox*)> action) {
    steps_.append({[](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
                   [action](QWidget* w) { action(qobject_cast<QMessageBox*>(w)); }});
    return *this;
}

void ModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (deadline_.hasExpired()) {
        if (modal == nullptr) return;
        if (failure_.isEmpty())
            failure_ =
                Finished()
                    ? QString("a modal window stayed open after the last step")
                    : QString("step %1 of %2 did not come").arg(next_ + 1).arg(steps_.size());
        modal->close();
        return;
    }
    if (Finished() || modal == nullptr || !modal->isVisible()) return;
    if (!steps_[next_].matches(modal)) return;
    // The action may open a nested loop. It runs after this poll has returned, since a
    // timer never fires again while its own handler runs.
    const Step step = steps_[next_++];
    QPointer<QWidget> target = modal;
    QTimer::singleShot(0, this, [step, target] {
        if (target) step.action(target);
    });
}

void TypeNameAndConfirm(QFileDialog* dialog, const QString& name) {
    auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(field != nullptr);
    field->setFocus();
    field->setText(name);
    QTest::keyClick(field, Qt::Key_Return);
}

void Cancel(QFileDialog* dialog) {
    QTest::keyClick(dialog, Qt::Key_Escape);
}

QString NameField(QFileDialog* dialog) {
    auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
    return field != nullptr ? field->text() : QString();
}

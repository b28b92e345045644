#pragma once

#include <QFileDialog>

// Qt's own save dialog, which by itself accepts a name in a folder that does not exist.
// With `pathMustExist` such a name is refused with a warning and the dialog stays open,
// before the dialog's own overwrite question can be asked.
class SaveFileDialog : public QFileDialog {
    Q_OBJECT

  public:
    SaveFileDialog(QWidget* owner, bool pathMustExist);

    void accept() override;

  private:
    bool pathMustExist_;
};

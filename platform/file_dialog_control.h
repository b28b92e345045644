#pragma once

#include <QObject>
#include <cstdint>

#include "text.h"

// The settings of a non-visual file dialog control, as its window describes them.
struct FileDialogSettings {
    std::int32_t kind = 1;  // 1: save-file dialog
    const char* title = "";
    const char* filter = "";
    std::int32_t initialFilter = 0;
    const char* initialFolder = "";
    const char* defaultExtension = "";
    bool promptCreate = false;
    bool fileMustExist = false;
    bool promptOverwrite = false;
    bool pathMustExist = false;
    bool keepFolder = false;
};

// A file dialog control: nothing of it is drawn. It keeps the confirmed path in
// `fileName`, with which the next dialog opens.
class FileDialogControl : public QObject {
    Q_OBJECT

  public:
    FileDialogControl(QObject* parent, const FileDialogSettings& settings);

    const FileDialogSettings& Settings() const { return settings_; }
    // A new copy of the confirmed full path; empty until a dialog has been confirmed.
    Text FileName() const { return fileName_; }

    // Shows the save dialog modally over the active window and waits for it. True when the
    // user confirmed a name: `fileName` then holds its full path, completed with the
    // default extension. False on cancel, or when the dialog cannot be shown; nothing has
    // changed then. The keyboard focus returns to where it was.
    bool Open();

  protected:
    FileDialogSettings settings_;
    Text fileName_;
};

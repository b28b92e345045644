#include "file_dialog_control.h"

FileDialogControl::FileDialogControl(QObject* parent, const FileDialogSettings& settings)
    : QObject(parent), settings_(settings), fileName_(Text::FromBytes("", 0)) {}

#pragma once

#include <QByteArray>

#include "text.h"

class QWidget;

// Writes the picture's bytes as the file at `path`. When that fails, or when there is no
// picture (an empty array), the file is left as it was and a warning box owned by `owner`
// names the path and the reason. Returns whether the file was written.
bool SavePictureOrWarn(QWidget* owner, const Text& path, const QByteArray& picture);

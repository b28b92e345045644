#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "text.h"

// Writes the byte arrays, one after the other, as the whole content of the file at
// `path`, and returns true once every byte is on disk under that name. The bytes go to a
// temporary file beside the target, which replaces the target only when all of them are
// written, so on any failure the old file keeps its content and nothing else is left
// behind. A symbolic link is followed: the file it points to is replaced, the link stays.
//
// An empty path touches nothing and fails. Empty arrays add nothing; arrays that are all
// empty give a file of length 0, as asked (whether an empty picture may be saved is the
// caller's decision). On failure `reason`, when given, receives a sentence that says why,
// in words a user can act on.
bool WriteBytesToFile(const Text& path, const QList<QByteArray>& parts, QString* reason = nullptr);
bool WriteBytesToFile(const Text& path, const QByteArray& bytes, QString* reason = nullptr);

#pragma once

#include <QList>
#include <QString>
#include <cstdint>

#include "text.h"

// One entry of a file dialog's type list.
struct FileType {
    QString description;  // what the list shows, as written
    QString pattern;      // one or more patterns separated by ';', such as "*.bmp"

    friend bool operator==(const FileType&, const FileType&) = default;
};

// The type list of a filter text: descriptions and patterns, each ended by a bar. Trailing
// white space is dropped and the text is read as if it ended in "||"; it is split at each
// single-byte '|', never at a '|' byte inside a double-byte character (such as the second
// byte of 亅), and the pieces pair up as (description, pattern) until the first empty
// piece. An empty filter has no entries.
QList<FileType> ParseFileFilter(const Text& filter);

// The zero-based entry selected at first: `initialFilter`, with a negative value taken as
// 0 and one past the end of the list as the first entry.
qsizetype InitialFileType(std::int32_t initialFilter, qsizetype count);

// The entry as Qt's file dialog takes it, "description (patterns)"; with the dialog's
// HideNameFilterDetails option the list shows the description alone.
QString NameFilterFor(const FileType& type);

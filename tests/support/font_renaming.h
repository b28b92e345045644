#pragma once

#include <QByteArray>
#include <QString>

// A copy of a TrueType/OpenType font whose family is `family`: the 'name' table is
// replaced by one that names only that family, as a font of that name installed on the
// machine would. Returns an empty array for data that is not such a font.
QByteArray FontWithFamily(const QByteArray& sfnt, const QString& family);

#pragma once

#include <QString>
#include <QStringList>

// The families a font asks for: the family itself first, so an installed family is
// always used, then the openly licensed faces that stand in for it where it is missing.
// A character none of them has falls back to the platform's faces.
QStringList FamilyWithStandIns(const QString& family);

#pragma once

#include <QFont>
#include <cstdint>

#include "text.h"

// What a drawing board knows of its font. Until a field is first set the board draws
// in the platform's default user-interface font; the first field set copies that font
// and changes the one field.
struct FontRecord {
    bool stored = false;
    Text family;
    std::int32_t size = 0;  // points; 0 leaves the height to the family's default
    bool bold = false;
};

// Families of 1 to 31 bytes are kept; an empty or longer one becomes "宋体".
Text FamilyToStore(const Text& family);

// size points at the given logical dots per inch, rounded half away from zero.
int EmHeightInPixels(std::int32_t points, double dotsPerInch);

// The record as it stands after its first field is set.
FontRecord RecordFromDefaultFont(const QFont& defaultFont, double dotsPerInch);

// The font that drawing and measuring use for a record.
QFont RealiseFont(const FontRecord& record, const QFont& defaultFont, double dotsPerInch);

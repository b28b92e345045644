// Text conversion in both directions, from any bytes: GB18030 bytes as a name read from
// a file or typed, and UTF-16 as the toolkit hands it over.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Text bytes = Text::FromBytes(reinterpret_cast<const char*>(data), size);
    if (bytes.Length() != size || bytes.Data()[size] != '\0') std::abort();
    // Whatever the bytes decode to survives a trip through the program's encoding.
    const QString decoded = bytes.ToQString();
    if (Text::FromQString(decoded).ToQString() != decoded) std::abort();

    // The same bytes as UTF-16; unpaired surrogates cannot be encoded and may change,
    // everything else must come back unchanged.
    const QString utf16(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
    const QString back = Text::FromQString(utf16).ToQString();
    bool paired = true;
    for (qsizetype i = 0; i < utf16.size() && paired; ++i) {
        if (utf16[i].isHighSurrogate() && i + 1 < utf16.size() && utf16[i + 1].isLowSurrogate())
            ++i;
        else if (utf16[i].isSurrogate())
            paired = false;
    }
    if (paired && back != utf16) std::abort();
    return 0;
}

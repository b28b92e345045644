// The file type list of any filter text: it never splits inside a double-byte character,
// every entry has both halves, and an entry never holds the bar that ended it.
#include <cstdint>
#include <cstdlib>

#include "file_type_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Text filter = Text::FromBytes(reinterpret_cast<const char*>(data), size);
    const QList<FileType> types = ParseFileFilter(filter);
    const QString whole = filter.ToQString();
    for (const FileType& type : types) {
        if (type.description.isEmpty() || type.pattern.isEmpty()) std::abort();
        if (type.description.contains('|') || type.pattern.contains('|')) std::abort();
        // Pieces of a valid text are pieces of its decoded whole.
        if (Text::FromQString(whole) == filter &&
            (!whole.contains(type.description) || !whole.contains(type.pattern)))
            std::abort();
    }
    const qsizetype first = InitialFileType(std::int32_t(size) - 3, types.size());
    if (!types.isEmpty() && (first < 0 || first >= types.size())) std::abort();
    return 0;
}

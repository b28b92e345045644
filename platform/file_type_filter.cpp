#include "file_type_filter.h"

#include <algorithm>

namespace {

// Length in bytes of the GB18030 character that starts at `at`, with `left` bytes left.
// A lead byte 0x81 to 0xFE starts a two-byte character, or a four-byte one when a digit
// follows it; a lead byte cut off at the end stands alone.
qsizetype CharacterLength(const char* at, qsizetype left) {
    const auto lead = uchar(at[0]);
    if (lead < 0x81 || lead == 0xFF || left < 2) return 1;
    const auto second = uchar(at[1]);
    if (second >= '0' && second <= '9') return std::min<qsizetype>(4, left);
    return 2;
}

bool IsWhiteSpace(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
           byte == '\r';
}

// Trail bytes of GB18030 are never white space, so dropping whole bytes from the end
// cannot cut a character.
QByteArray WithoutTrailingWhiteSpace(QByteArray text) {
    qsizetype end = text.size();
    while (end > 0 && IsWhiteSpace(text[end - 1]))
        --end;
    text.truncate(end);
    return text;
}

QList<QByteArray> SplitAtBars(const QByteArray& text) {
    QList<QByteArray> pieces;
    QByteArray piece;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = CharacterLength(text.constData() + at, text.size() - at);
        if (length == 1 && text[at] == '|') {
            pieces.append(piece);
            piece.clear();
        } else {
            piece.append(text.constData() + at, length);
        }
        at += length;
    }
    pieces.append(piece);
    return pieces;
}

}  // namespace

QList<FileType> ParseFileFilter(const Text& filter) {
    QList<FileType> types;
    if (filter.IsEmpty()) return types;
    QList<QByteArray> pieces = SplitAtBars(WithoutTrailingWhiteSpace(filter.Bytes()));
    // A text that ends in "||" ends in two empty pieces; any other text gets them, as if
    // "||" had been appended.
    const qsizetype n = pieces.size();
    if (!(n >= 3 && pieces[n - 1].isEmpty() && pieces[n - 2].isEmpty()))
        pieces.append({QByteArray(), QByteArray()});
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        if (pieces[i].isEmpty() || pieces[i + 1].isEmpty()) break;
        types.append({DecodeGb18030(pieces[i]), DecodeGb18030(pieces[i + 1])});
    }
    return types;
}

qsizetype InitialFileType(std::int32_t initialFilter, qsizetype count) {
    const qsizetype index = initialFilter < 0 ? 0 : initialFilter;
    return index < count ? index : 0;
}

QString NameFilterFor(const FileType& type) {
    QString patterns = type.pattern;
    patterns.replace(u';', u' ');
    return type.description + QStringLiteral(" (") + patterns + u')';
}

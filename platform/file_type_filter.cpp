#include "file_type_filter.h"

#include <algorithm>

namespace {

// Length in bytes of the GB18030 character that starts at `at`, with `left` bytes left:
// a lead byte 0x81 to 0xFE with a trail byte 0x40 to 0xFE (not 0x7F) makes two bytes, with
// a digit, a byte 0x81 to 0xFE and a digit it makes four. Any other byte, a malformed
// sequence included, stands alone, so a bar after a stray lead byte still splits.
qsizetype CharacterLength(const char* at, qsizetype left) {
    auto byte = [at](int i) { return uchar(at[i]); };
    auto digit = [](uchar b) { return b >= '0' && b <= '9'; };
    auto high = [](uchar b) { return b >= 0x81 && b <= 0xFE; };
    if (!high(byte(0)) || left < 2) return 1;
    if (byte(1) >= 0x40 && byte(1) <= 0xFE && byte(1) != 0x7F) return 2;
    if (left >= 4 && digit(byte(1)) && high(byte(2)) && digit(byte(3))) return 4;
    return 1;
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

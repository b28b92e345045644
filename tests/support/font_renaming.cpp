#include "font_renaming.h"

#include <QtEndian>

namespace {

quint32 Read32(const QByteArray& d, qsizetype at) {
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(d.constData() + at));
}
quint16 Read16(const QByteArray& d, qsizetype at) {
    return qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(d.constData() + at));
}
void Append16(QByteArray& d, quint16 v) {
    d.append(char(v >> 8));
    d.append(char(v & 0xFF));
}
void Put32(QByteArray& d, qsizetype at, quint32 v) {
    qToBigEndian(v, reinterpret_cast<uchar*>(d.data() + at));
}

QByteArray NameTable(const QString& family) {
    QByteArray utf16;
    for (QChar c : family)
        Append16(utf16, c.unicode());
    // Family, subfamily, full name and typographic family, for English and Chinese.
    struct Record {
        quint16 language, id;
        QByteArray text;
    };
    QByteArray regular;
    for (QChar c : QStringLiteral("Regular"))
        Append16(regular, c.unicode());
    const Record records[] = {{0x0409, 1, utf16}, {0x0409, 2, regular}, {0x0409, 4, utf16},
                              {0x0804, 1, utf16}, {0x0804, 2, regular}, {0x0804, 4, utf16}};
    const quint16 count = sizeof(records) / sizeof(records[0]);
    QByteArray table;
    Append16(table, 0);
    Append16(table, count);
    Append16(table, 6 + 12 * count);
    QByteArray strings;
    for (const Record& r : records) {
        Append16(table, 3);  // Windows
        Append16(table, 1);  // Unicode BMP
        Append16(table, r.language);
        Append16(table, r.id);
        Append16(table, quint16(r.text.size()));
        Append16(table, quint16(strings.size()));
        strings += r.text;
    }
    return table + strings;
}

}  // namespace

QByteArray FontWithFamily(const QByteArray& sfnt, const QString& family) {
    if (sfnt.size() < 12) return {};
    const quint16 tables = Read16(sfnt, 4);
    if (sfnt.size() < 12 + 16 * qsizetype(tables)) return {};
    QByteArray font = sfnt;
    font += QByteArray((4 - font.size() % 4) % 4, '\0');
    for (quint16 i = 0; i < tables; ++i) {
        const qsizetype record = 12 + 16 * qsizetype(i);
        if (Read32(sfnt, record) != 0x6E616D65) continue;  // 'name'
        const QByteArray names = NameTable(family);
        Put32(font, record + 8, quint32(font.size()));
        Put32(font, record + 12, quint32(names.size()));
        font += names;
        return font;
    }
    return {};
}

// Unpacks a WOFF 1.0 font into the plain TrueType/OpenType file it wraps, so that the
// program registers its fonts without inflating them at every start.
//   woff_to_sfnt input.woff output.ttf
#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

quint32 Read32(const QByteArray& data, qsizetype at) {
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(data.constData() + at));
}
quint16 Read16(const QByteArray& data, qsizetype at) {
    return qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(data.constData() + at));
}
void Put32(QByteArray& data, qsizetype at, quint32 value) {
    qToBigEndian(value, reinterpret_cast<uchar*>(data.data() + at));
}
void Put16(QByteArray& data, qsizetype at, quint16 value) {
    qToBigEndian(value, reinterpret_cast<uchar*>(data.data() + at));
}

struct Table {
    quint32 tag, checksum;
    QByteArray data;
};

int Fail(const char* why) {
    std::fprintf(stderr, "woff_to_sfnt: %s\n", why);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: woff_to_sfnt input.woff output.ttf");
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) return Fail("cannot read the input");
    const QByteArray woff = input.readAll();
    if (woff.size() < 44 || Read32(woff, 0) != 0x774F4646) return Fail("not a WOFF 1.0 file");
    const quint32 flavor = Read32(woff, 4);
    const quint16 count = Read16(woff, 12);
    if (woff.size() < 44 + 20 * qsizetype(count)) return Fail("truncated table directory");

    std::vector<Table> tables;
    for (quint16 i = 0; i < count; ++i) {
        const qsizetype entry = 44 + 20 * qsizetype(i);
        const quint32 offset = Read32(woff, entry + 4), packed = Read32(woff, entry + 8);
        const quint32 length = Read32(woff, entry + 12);
        if (qsizetype(offset) + packed > woff.size()) return Fail("table outside the file");
        QByteArray data = woff.mid(offset, packed);
        if (packed < length) {
            QByteArray framed(4, '\0');
            Put32(framed, 0, length);  // qUncompress wants the size in front
            data = qUncompress(framed + data);
        }
        if (quint32(data.size()) != length) return Fail("table does not unpack to its size");
        tables.push_back({Read32(woff, entry), Read32(woff, entry + 16), data});
    }
    std::sort(tables.begin(), tables.end(),
              [](const Table& a, const Table& b) { return a.tag < b.tag; });

    quint16 power = 1, log = 0;
    while (power * 2 <= count)
        power *= 2, ++log;
    QByteArray sfnt(12 + 16 * qsizetype(count), '\0');
    Put32(sfnt, 0, flavor);
    Put16(sfnt, 4, count);
    Put16(sfnt, 6, power * 16);
    Put16(sfnt, 8, log);
    Put16(sfnt, 10, count * 16 - power * 16);
    for (quint16 i = 0; i < count; ++i) {
        const Table& table = tables[i];
        const qsizetype record = 12 + 16 * qsizetype(i);
        Put32(sfnt, record, table.tag);
        Put32(sfnt, record + 4, table.checksum);
        Put32(sfnt, record + 8, quint32(sfnt.size()));
        Put32(sfnt, record + 12, quint32(table.data.size()));
        sfnt += table.data;
        sfnt += QByteArray((4 - sfnt.size() % 4) % 4, '\0');
    }

    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(sfnt) != sfnt.size())
        return Fail("cannot write the output");
    return 0;
}

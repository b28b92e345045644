#pragma once

#include <QByteArray>

// A web address as a browser is given it: every byte outside ASCII percent-encoded.
// Good for addresses that hold nothing else that needs encoding.
inline QByteArray PercentEncoded(const char* utf8) {
    QByteArray encoded;
    for (const char byte : QByteArray(utf8)) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x80)
            encoded += byte;
        else
            encoded += '%' + QByteArray::number(value, 16).toUpper().rightJustified(2, '0');
    }
    return encoded;
}

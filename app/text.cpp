#include "text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cstring>
#include <utility>

#include "allocation.h"

QByteArray EncodeGb18030(const QString& text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QString DecodeGb18030(const QByteArray& bytes) {
    // A character cut off at the end would wait in the decoder, unseen, for bytes that
    // never come. A zero byte, which is no part of any multibyte character, ends it as a
    // replacement character; the zero itself is taken off again.
    QStringDecoder decoder("GB18030");
    QString text = decoder.decode(bytes + '\0');
    if (text.endsWith(QChar(0))) text.chop(1);
    return text;
}

Text Text::FromBytes(const char* data, std::size_t length) {
    Text text;
    text.data_ = static_cast<char*>(AllocateBytes(length + 1));
    if (length > 0) std::memcpy(text.data_, data, length);
    text.data_[length] = '\0';
    text.length_ = length;
    return text;
}

Text Text::FromBytes(const QByteArray& bytes) {
    return FromBytes(bytes.constData(), std::size_t(bytes.size()));
}

Text Text::FromQString(const QString& text) {
    return FromBytes(EncodeGb18030(text));
}

Text Text::FromUtf8(std::string_view utf8) {
    return FromQString(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

Text::Text(const Text& other) {
    if (!other.IsAbsent()) *this = FromBytes(other.data_, other.length_);
}

Text::Text(Text&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), length_(std::exchange(other.length_, 0)) {}

Text& Text::operator=(const Text& other) {
    if (this != &other) *this = Text(other);
    return *this;
}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        ReleaseBytes(data_);
        data_ = std::exchange(other.data_, nullptr);
        length_ = std::exchange(other.length_, 0);
    }
    return *this;
}

Text::~Text() {
    ReleaseBytes(data_);
}

QString Text::ToQString() const {
    return DecodeGb18030(Bytes());
}

bool operator==(const Text& a, const Text& b) {
    return a.length_ == b.length_ && std::memcmp(a.Data(), b.Data(), a.length_) == 0;
}

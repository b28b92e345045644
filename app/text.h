#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <string_view>

// A text of the program's logic: GB18030 bytes ended by a zero byte, owned by this
// object and allocated through the allocation service. GB18030 equals GBK for every
// GBK character and holds every other character too. Lengths are in bytes. A
// default-made text is absent and reads as the empty text.
class Text {
  public:
    Text() = default;
    Text(const Text& other);
    Text(Text&& other) noexcept;
    Text& operator=(const Text& other);
    Text& operator=(Text&& other) noexcept;
    ~Text();

    static Text FromBytes(const char* data, std::size_t length);
    static Text FromBytes(const QByteArray& bytes);
    // Conversions where a text meets the toolkit or a literal of the source code.
    static Text FromQString(const QString& text);
    static Text FromUtf8(std::string_view utf8);

    bool IsAbsent() const { return data_ == nullptr; }
    bool IsEmpty() const { return length_ == 0; }
    std::size_t Length() const { return length_; }
    const char* Data() const { return data_ == nullptr ? "" : data_; }
    QByteArray Bytes() const { return QByteArray(Data(), qsizetype(length_)); }
    QString ToQString() const;

    friend bool operator==(const Text& a, const Text& b);

  private:
    char* data_ = nullptr;
    std::size_t length_ = 0;
};

// The one converter between the program's texts and the toolkit's strings.
QByteArray EncodeGb18030(const QString& text);
QString DecodeGb18030(const QByteArray& bytes);

#pragma once
// A description as the search keeps it: the bytes of its file, decoded only when it is read.
// A hundred thousand descriptions then cost their file's bytes once, not a decoded copy each.
#include <QByteArray>
#include <QString>
#include <memory>

class SearchText
{
public:
    enum class Encoding : quint8 { Utf8, Windows1252 };

    SearchText() = default;
    // A text of its own, as tests and other readers make it.
    SearchText(const QString& text);  // NOLINT: a text stands wherever a description does
    SearchText(const char* utf8) : SearchText(QString::fromUtf8(utf8)) {}
    // length bytes of block from `from` on, in encoding (valid UTF-8 when Utf8).
    SearchText(std::shared_ptr<const QByteArray> block, qsizetype from, qsizetype length,
               Encoding encoding);

    bool isEmpty() const { return m_length == 0; }
    QString toString() const;
    operator QString() const { return toString(); }  // NOLINT
    // The text decoded into buffer, which keeps its memory from one call to the next.
    QStringView read(QString& buffer) const;

    friend bool operator==(const SearchText& a, const SearchText& b)
    {
        return a.toString() == b.toString();
    }

private:
    QByteArrayView bytes() const;

    std::shared_ptr<const QByteArray> m_block;
    quint32 m_from = 0;
    quint32 m_length = 0;  // bytes
    Encoding m_encoding = Encoding::Utf8;
};

namespace SearchTextCodec {
// Well-formed UTF-8 to UTF-16 at out, which has room for n units; returns the units written.
qsizetype FromUtf8(const char* p, qsizetype n, char16_t* out);
} // namespace SearchTextCodec

// Shared helpers of the fuzz targets: a failing property aborts with its message, and inputs become texts.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace FuzzCheck {

// A property that does not hold is a finding: libFuzzer keeps the input that broke it.
[[noreturn]] inline void fail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "property broken: %s\n  %s\n", what, detail.left(400).toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

inline void require(bool holds, const char *what, const QString &detail = {})
{
    if (!holds)
        fail(what, detail);
}

// The bytes read as UTF-8 (invalid sequences become U+FFFD).
inline QString fromUtf8(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The bytes read as UTF-16 code units in machine order, unpaired surrogates included; an odd last byte is dropped.
inline QString fromUtf16Units(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    for (size_t i = 0; i + 1 < size; i += 2)
        text[qsizetype(i / 2)] = QChar(char16_t(data[i] | (data[i + 1] << 8)));
    return text;
}

// Reads the input front to back; past its end every read gives 0.
class ByteReader
{
public:
    ByteReader(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    uint16_t word() { return uint16_t(byte() | (byte() << 8)); }
    size_t remaining() const { return m_size - m_pos; }
    const uint8_t *rest() const { return m_data + m_pos; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace FuzzCheck

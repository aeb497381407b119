// How the program reads texts as numbers, converts them to 16-bit integers and writes them back.
#include "shared/numbers.h"

#include "shared/runtimeerror.h"

#include <QString>
#include <QStringView>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Walks a text the way the leading-number rule reads it: blanks are invisible everywhere.
class Cursor
{
public:
    explicit Cursor(QStringView text)
        : m_text(text)
    {
        skipBlanks();
    }

    QChar peek() const { return m_pos < m_text.size() ? m_text[m_pos] : QChar(); }
    void advance()
    {
        ++m_pos;
        skipBlanks();
    }
    qsizetype position() const { return m_pos; }
    bool atEnd() const { return m_pos == m_text.size(); }
    void rewind(qsizetype pos) { m_pos = pos; }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

constexpr long long exponentLimit = 1'000'000'000; // far beyond any double, small enough to add safely

// The digits of a number with its point, as from_chars reads them, and where its first significant digit stands.
struct Mantissa
{
    std::string digits;             // significant digits, leading zeros dropped, with the point where it stood
    long long intDigits = 0;        // digits of the whole part after its leading zeros
    long long fracLeadingZeros = 0; // zeros right after the point while no other digit was seen
    bool anyDigit = false;
    bool anyNonZero = false;
};

bool readSign(Cursor &cur)
{
    if (cur.peek() != u'+' && cur.peek() != u'-')
        return false;
    const bool negative = cur.peek() == u'-';
    cur.advance();
    return negative;
}

Mantissa readMantissa(Cursor &cur)
{
    Mantissa m;
    while (isDigit(cur.peek())) {
        const char d = char(cur.peek().unicode());
        m.anyDigit = true;
        if (d != '0' || m.anyNonZero) {
            m.anyNonZero = true;
            m.digits += d;
            ++m.intDigits;
        }
        cur.advance();
    }
    if (cur.peek() != u'.')
        return m;
    cur.advance();
    m.digits += '.';
    while (isDigit(cur.peek())) {
        const char d = char(cur.peek().unicode());
        m.anyDigit = true;
        if (d != '0')
            m.anyNonZero = true;
        else if (!m.anyNonZero)
            ++m.fracLeadingZeros;
        m.digits += d;
        cur.advance();
    }
    return m;
}

// "e" or "E", a sign and digits; without digits after it the "e" is no exponent ("3e" and "3e+" are just 3).
long long readExponent(Cursor &cur)
{
    if (cur.peek() != u'e' && cur.peek() != u'E')
        return 0;
    const qsizetype beforeExponent = cur.position();
    cur.advance();
    const bool negative = readSign(cur);
    if (!isDigit(cur.peek())) {
        cur.rewind(beforeExponent);
        return 0;
    }
    long long exponent = 0;
    while (isDigit(cur.peek())) {
        exponent = std::min(exponentLimit, exponent * 10 + (cur.peek().unicode() - u'0'));
        cur.advance();
    }
    return negative ? -exponent : exponent;
}

// A number as the leading-number rule reads it from the cursor on, which is left after it.
struct Literal
{
    bool negative = false;
    Mantissa mantissa;
    long long exponent = 0;
};

Literal readLiteral(Cursor &cur)
{
    Literal literal;
    literal.negative = readSign(cur);
    literal.mantissa = readMantissa(cur);
    if (literal.mantissa.anyDigit)
        literal.exponent = readExponent(cur);
    return literal;
}

} // namespace

double Numbers::leadingNumber(QStringView text)
{
    Cursor cur(text);
    const auto [negative, mantissa, exponent] = readLiteral(cur);
    if (!mantissa.anyNonZero)
        return negative ? -0.0 : 0.0;

    const std::string literal = mantissa.digits + 'e' + std::to_string(exponent);
    double value = 0;
    const auto [end, ec] =
            std::from_chars(literal.data(), literal.data() + literal.size(), value, std::chars_format::general);
    Q_UNUSED(end);
    if (ec == std::errc::result_out_of_range) {
        // Decimal order of magnitude of the first significant digit decides overflow or underflow.
        const long long order =
                mantissa.intDigits > 0 ? mantissa.intDigits - 1 + exponent : exponent - mantissa.fracLeadingZeros - 1;
        value = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::optional<QString> Numbers::numberOnly(QStringView text)
{
    Cursor cur(text);
    if (!readLiteral(cur).mantissa.anyDigit || !cur.atEnd())
        return std::nullopt;
    QString number;
    for (const QChar c : text) {
        if (!isBlank(c))
            number += c;
    }
    return number;
}

std::optional<std::uint32_t> Numbers::wholeNumber(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return std::uint32_t(value);
}

qint16 Numbers::toInt16(double value)
{
    if (std::isnan(value) || value < -32768.5 || value > 32767.5)
        throw RuntimeError(RuntimeError::Kind::Overflow);
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < -32768.0 || whole > 32767.0)
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return qint16(whole);
}

QString Numbers::plainText(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    if (value == 0.0)
        return QStringLiteral("0");

    std::array<char, 32> buf{};
    const auto res =
            std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value), std::chars_format::scientific, 14);
    const std::string sci(buf.data(), res.ptr);
    const auto ePos = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    const int exponent = std::stoi(sci.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent < 0) {
        out += "0." + std::string(size_t(-exponent - 1), '0') + digits;
    } else if (size_t(exponent) + 1 >= digits.size()) {
        out += digits + std::string(size_t(exponent) + 1 - digits.size(), '0');
    } else {
        out += digits.substr(0, size_t(exponent) + 1) + '.' + digits.substr(size_t(exponent) + 1);
    }
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

QString Numbers::fixedTwo(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    std::array<char, 400> buf{}; // DBL_MAX has 309 whole digits
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed, 2);
    QString text = QString::fromLatin1(buf.data(), res.ptr - buf.data());
    if (text == u"-0.00")
        text = QStringLiteral("0.00");
    return text;
}

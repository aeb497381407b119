// Fuzz target: the leading-number rule, the 16-bit conversion and the plain decimal and "#0.00" forms.
#include "fuzzcheck.h"

#include "shared/numbers.h"
#include "shared/runtimeerror.h"

#include <QString>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

using namespace FuzzCheck;

namespace {

// The largest magnitude whose 15-significant-digit form is still below DBL_MAX (1.7976931348623157e308):
// above it the plain form rounds up to a text that reads back as infinity.
constexpr double largestRoundTrip = 1.79769313486231e308;

QString show(double v)
{
    return QString::number(v, 'g', 17);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// "-"? digits ("." digits)?, with "0" as the whole part of a fraction; returns the number of decimals or -1.
qsizetype decimalForm(const QString &text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const qsizetype wholeStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    const qsizetype wholeDigits = i - wholeStart;
    if (wholeDigits == 0 || (wholeDigits > 1 && text[wholeStart] == u'0'))
        return -1;
    if (i == text.size())
        return 0;
    if (text[i] != u'.')
        return -1;
    const qsizetype point = i++;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i != text.size() || i == point + 1)
        return -1;
    return i - point - 1;
}

// Digits from the first non-zero one to the last non-zero one.
qsizetype significantDigits(const QString &text)
{
    qsizetype first = -1;
    qsizetype last = -1;
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            continue;
        if (text[i] != u'0') {
            if (first < 0)
                first = count;
            last = count;
        }
        ++count;
    }
    return first < 0 ? 0 : last - first + 1;
}

// toInt16 gives the nearest integer, ties to even, inside -32768..32767, and throws Overflow otherwise.
void checkInt16(double v)
{
    const double nearest = std::nearbyint(v); // the default rounding mode rounds ties to even
    const bool fits = !std::isnan(v) && nearest >= -32768.0 && nearest <= 32767.0;
    try {
        const qint16 n = Numbers::toInt16(v);
        require(fits, "toInt16 accepted a value outside -32768..32767", show(v));
        require(double(n) == nearest, "toInt16 did not round to the nearest integer, ties to even", show(v));
    } catch (const RuntimeError &error) {
        require(error.kind() == RuntimeError::Kind::Overflow, "toInt16 threw another error than Overflow", show(v));
        require(!fits, "toInt16 threw Overflow for a value inside -32768..32767", show(v));
    }
}

// Plain form and "#0.00" form of any value read from a text.
void checkForms(double v)
{
    require(!std::isnan(v), "leadingNumber gave NaN");
    checkInt16(v);

    if (!std::isfinite(v)) {
        for (auto form : {&Numbers::plainText, &Numbers::fixedTwo}) {
            try {
                form(v);
                fail("an infinite value was written without Overflow", show(v));
            } catch (const RuntimeError &error) {
                require(error.kind() == RuntimeError::Kind::Overflow, "writing infinity threw another error");
            }
        }
        return;
    }

    const QString plain = Numbers::plainText(v);
    const qsizetype decimals = decimalForm(plain);
    require(decimals >= 0, "plainText is not a plain decimal", plain);
    require(decimals == 0 || !plain.endsWith(u'0'), "plainText kept trailing zeros", plain);
    require(significantDigits(plain) <= 15, "plainText wrote more than 15 significant digits", plain);
    require(plain != u"-0", "plainText wrote -0");
    require((v < 0) == plain.startsWith(u'-'), "plainText lost or invented the sign", show(v) + u' ' + plain);

    // The 15-digit text is a fixed point: read back and written again, it does not change.
    if (std::fabs(v) <= largestRoundTrip) {
        const double back = Numbers::leadingNumber(plain);
        require(std::isfinite(back), "the plain form read back as infinity", plain);
        require(Numbers::plainText(back) == plain, "the plain form is not a fixed point", show(v) + u' ' + plain);
        // Rounding to 15 digits moves a value by at most 5e-15 of itself, reading back by half an ulp more.
        if (std::fabs(v) >= DBL_MIN)
            require(std::fabs(back - v) <= std::fabs(v) * (5e-15 + DBL_EPSILON),
                    "the plain form lost more than rounding", show(v) + u' ' + show(back));
    }

    const QString fixed = Numbers::fixedTwo(v);
    require(decimalForm(fixed) == 2, "fixedTwo does not have exactly two decimals", fixed);
    require(fixed != u"-0.00", "fixedTwo wrote -0.00");
    const double fixedBack = Numbers::leadingNumber(fixed);
    require(std::fabs(fixedBack - v) <= 0.0050000001 + std::fabs(v) * DBL_EPSILON, "fixedTwo is off by more than 0.005",
            show(v) + u' ' + fixed);
}

// A decimal text of at most 15 significant digits, made from the input: its value survives the plain form
// exactly, blanks anywhere in it change nothing, and what follows the number is not read.
void checkShortDecimal(ByteReader &in)
{
    const uint8_t shape = in.byte();
    const int digitCount = 1 + in.byte() % 15;
    std::string mantissa;
    for (int i = 0; i < digitCount; ++i)
        mantissa += char('0' + in.byte() % 10);
    const int point = in.byte() % (digitCount + 1);
    std::string literal = (shape & 1) ? "-" : ((shape & 2) ? "+" : "");
    literal += mantissa.substr(0, size_t(point)) + '.' + mantissa.substr(size_t(point));
    if (point == digitCount)
        literal.pop_back(); // "123." is read the same; keep the common form
    if (shape & 4)
        literal += (shape & 8 ? "e-" : "e") + std::to_string(in.word() % 340);

    const QString text = QString::fromLatin1(literal.data(), qsizetype(literal.size()));
    const double x = Numbers::leadingNumber(text);
    const double reference = std::strtod(literal.c_str(), nullptr); // the "C" locale: this process never sets one
    require(x == reference || (std::isinf(x) && std::isinf(reference) && (x > 0) == (reference > 0)),
            "leadingNumber differs from the correctly rounded value", text + u' ' + show(x));

    if (std::isfinite(x) && (x == 0.0 || std::fabs(x) >= DBL_MIN))
        require(Numbers::leadingNumber(Numbers::plainText(x)) == x, "a short decimal did not survive the plain form",
                text + u' ' + Numbers::plainText(x));

    // Blanks, tabs and line feeds are invisible wherever they stand.
    QString spaced;
    for (const QChar c : text) {
        const uint8_t b = in.byte();
        if (b & 1)
            spaced += QChar(u" \t\n"[b % 3]);
        spaced += c;
    }
    static const char16_t *const ends[] = {u"", u"x", u"元", u"＋3", u"－", u"，", u"..5", u"e", u"e+", u"-1", u"+"};
    spaced += QString::fromUtf16(ends[in.byte() % (sizeof ends / sizeof *ends)]);
    const double read = Numbers::leadingNumber(spaced);
    require(read == x, "blanks or a tail changed the value", spaced + u' ' + show(read) + u' ' + show(x));
}

// Every 16-bit integer is written as its digits and read back exactly.
void checkInteger(ByteReader &in)
{
    const int i = int(int16_t(in.word()));
    const QString plain = Numbers::plainText(double(i));
    require(plain == QString::number(i), "plainText of an integer is not its digits", plain);
    const double back = Numbers::leadingNumber(plain);
    require(back == double(i), "an integer did not read back", plain);
    require(Numbers::toInt16(back) == i, "an integer did not convert back", plain);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The whole input as a text, both ways a learner's text can arrive.
    for (const QString &text : {fromUtf8(data, size), fromUtf16Units(data, size)})
        checkForms(Numbers::leadingNumber(text));

    ByteReader in(data, size);
    checkInteger(in);
    checkShortDecimal(in);
    return 0;
}

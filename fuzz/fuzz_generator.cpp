// Fuzz target: the question generator with digit counts, operator sets and random draws all taken from the input.
#include "fuzzcheck.h"
#include "questioncontract.h"

#include "questions/prmain.h"
#include "questions/randomsource.h"
#include "shared/numbers.h"
#include "shared/operators.h"
#include "shared/runtimeerror.h"

#include <QString>

#include <algorithm>
#include <exception>
#include <optional>

using namespace FuzzCheck;

namespace {

constexpr char16_t operators[] = {Operators::plus, Operators::minus, Operators::times, Operators::divide};

// Draws come from the input, three bytes each (24 bits, the source's own resolution); once the input is used
// up the program's fixed pseudo-random sequence takes over, so every attempt loop ends.
class FedSource : public RandomSource
{
public:
    FedSource(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    float next() override
    {
        // An attempt loop that never ends is a finding; no sound set comes near this many draws.
        if (++m_draws > drawLimit)
            fail("the generator kept drawing without end");
        if (m_pos + 3 <= m_size) {
            const uint32_t bits = m_data[m_pos] | (m_data[m_pos + 1] << 8) | (uint32_t(m_data[m_pos + 2]) << 16);
            m_pos += 3;
            return float(bits) / 16777216.0f;
        }
        return RandomSource::next();
    }

    long long draws() const { return m_draws; }

private:
    static constexpr long long drawLimit = 20'000'000;
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
    long long m_draws = 0;
};

bool isOperator(QChar c)
{
    return std::find(std::begin(operators), std::end(operators), c.unicode()) != std::end(operators);
}

bool holdsOperator(const QString &set)
{
    return std::any_of(set.begin(), set.end(), isOperator);
}

// A count as the generator reads it: the leading number rounded into 16 bits, or nothing on overflow.
std::optional<int> countOf(const QString &text)
{
    try {
        return Numbers::toInt16(Numbers::leadingNumber(text));
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

// Characters that count texts and operator sets are made of in the free shape.
// Besides the four symbols it holds their neighbours in Unicode (U+FF0E, U+00D8, U+00F6), which are none.
constexpr char16_t alphabet[32] = {u'0',
                                   u'1',
                                   u'2',
                                   u'3',
                                   u'4',
                                   u'5',
                                   u'6',
                                   u'7',
                                   u'8',
                                   u'9',
                                   u'.',
                                   u'-',
                                   u'+',
                                   u'e',
                                   u' ',
                                   u'\t',
                                   Operators::plus,
                                   Operators::minus,
                                   Operators::times,
                                   Operators::divide,
                                   u'x',
                                   u'加',
                                   u'\uFF0E',
                                   u'\u00D8',
                                   u'０',
                                   u'3',
                                   u'1',
                                   u'2',
                                   u'E',
                                   u'\n',
                                   u'\u00F6',
                                   u'9'};

QString textFrom(ByteReader &in, int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(alphabet[in.byte() % 32]);
    return text;
}

// The counts as a learner or the settings could write them: "3", " +3", "2.5" (rounds to 2), "-1" ...
QString countText(uint8_t b)
{
    static const char16_t *const shapes[] = {u"1",   u"2", u"3",  u"4",   u" 2",    u"+3",  u"1.4", u"2.5",
                                             u"3.5", u"0", u"-1", u"4e0", u"0.4e1", u"1\t", u"2x",  u"-32768"};
    return QString::fromUtf16(shapes[b % 16]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ByteReader in(data, size);
    const uint8_t mode = in.byte();
    QString firstCount;
    QString secondCount;
    QString set;
    if (mode & 1) {
        // Free shape: any texts over the alphabet, the set possibly without any operator.
        firstCount = textFrom(in, in.byte() % 12);
        secondCount = textFrom(in, in.byte() % 12);
        set = textFrom(in, in.byte() % 48);
    } else {
        // Sound shape: one to four of the symbols, perhaps with characters that are none, and usable counts.
        const uint8_t chosen = in.byte();
        for (int i = 0; i < 4; ++i) {
            if (chosen & (1 << i))
                set += QChar(operators[i]);
        }
        if (set.isEmpty())
            set = QChar(Operators::plus);
        if (chosen & 0x10)
            set.insert(qsizetype(in.byte()) % (set.size() + 1), u'x');
        if (chosen & 0x20)
            set.insert(qsizetype(in.byte()) % (set.size() + 1), QStringView(u"加减"));
        firstCount = countText(in.byte());
        secondCount = countText(in.byte());
    }
    const int questions = 1 + in.byte() % 4;
    FedSource source(in.rest(), in.remaining());

    const std::optional<int> first = countOf(firstCount);
    const std::optional<int> second = countOf(secondCount);
    for (int q = 0; q < questions; ++q) {
        const long long drawsBefore = source.draws();
        std::optional<QString> question;
        std::optional<RuntimeError::Kind> error;
        try {
            question = PrMain::MakeQuestion(firstCount, secondCount, set, source);
        } catch (const RuntimeError &e) {
            error = e.kind();
        } catch (const std::exception &e) {
            fail("MakeQuestion threw something other than RuntimeError", QString::fromUtf8(e.what()));
        } catch (...) {
            fail("MakeQuestion threw a non-standard exception");
        }
        const QString detail = firstCount + QStringLiteral(" / ") + secondCount + QStringLiteral(" / ") + set;

        if (!holdsOperator(set)) {
            require(error == RuntimeError::Kind::InvalidCall, "a set without an operator did not give InvalidCall",
                    detail);
            return 0;
        }
        if (!first || !second || std::max(*first, *second) >= 6) {
            // A count beyond 16 bits, or an operand of six digits or more, cannot be made.
            require(error == RuntimeError::Kind::Overflow, "an impossible count did not give Overflow", detail);
            return 0;
        }
        if (error) {
            // Five digits overflow or not, depending on the draws.
            require(*error == RuntimeError::Kind::Overflow && std::max(*first, *second) == 5,
                    "a usable count gave an error", detail);
            continue;
        }
        const QString breach = QuestionContract::breach(*question, set, *first, *second);
        require(breach.isEmpty(), "the question breaks the generator's contract",
                *question + QStringLiteral(": ") + breach + QStringLiteral(" / ") + set);
        // Every attempt draws the operator and each operand digit once.
        const long long perAttempt = 1 + std::max(*first, 1) + std::max(*second, 1);
        const long long used = source.draws() - drawsBefore;
        require(used > 0 && used % perAttempt == 0, "the draws are not whole attempts", detail);
        if (!set.contains(QChar(Operators::minus)) && std::all_of(set.begin(), set.end(), isOperator))
            require(used == perAttempt, "a set of ＋ × ÷ only took more than one attempt",
                    detail + QStringLiteral(" ") + *question);
    }
    return 0;
}

// The table of school units, one row a unit, and finding them by their ids.
#include "units/unittable.h"

#include "shared/operators.h"
#include "units/question.h"
#include "units/regrouping.h"
#include "units/unit.h"

#include <QString>
#include <QStringView>

#include <array>

using namespace Qt::StringLiterals;

namespace {

bool isPlus(const Question &q)
{
    return q.op == Operators::plus;
}

bool between(int value, int low, int high)
{
    return value >= low && value <= high;
}

bool within10(const Question &q)
{
    return isPlus(q) ? q.first + q.second <= 10 : q.first <= 10;
}

bool within20(const Question &q)
{
    return isPlus(q) ? q.first + q.second <= 20 : q.first <= 20 && q.second <= 9;
}

// The textbook's 进位加法表 starts at 11: 9＋1 and its like are left to the unit before.
bool carryTo20(const Question &q)
{
    return between(q.first, 2, 9) && between(q.second, 2, 9) && q.first + q.second >= 11;
}

bool borrowFrom20(const Question &q)
{
    return between(q.first, 11, 18) && between(q.second, 2, 9) && Regrouping::inOnes(q);
}

bool within100Plain(const Question &q)
{
    return between(q.first, 10, 99) && !Regrouping::inOnes(q) && (!isPlus(q) || q.first + q.second <= 99);
}

// A sum up to 100 that carries, or a difference that borrows.
bool regroupsWithin100(const Question &q)
{
    return Regrouping::inOnes(q) && (!isPlus(q) || q.first + q.second <= 100);
}

bool twoDigitsAndOne(const Question &q)
{
    return between(q.first, 11, 99) && between(q.second, 2, 9) && regroupsWithin100(q);
}

bool twoDigitsAndTwo(const Question &q)
{
    return between(q.first, 10, 99) && between(q.second, 10, 99) && regroupsWithin100(q);
}

bool wholeTens(const Question &q)
{
    return q.first % 10 == 0 && q.second % 10 == 0 && (isPlus(q) ? q.first + q.second <= 100 : q.first <= 100);
}

bool timesTable(const Question &q)
{
    return between(q.first, 1, 9) && between(q.second, 1, 9);
}

bool divideTable(const Question &q)
{
    return between(q.second, 1, 9) && between(q.first / q.second, 1, 9);
}

// Each digit times the one-digit number stays a digit, so nothing carries.
bool twoDigitsTimesOne(const Question &q)
{
    return between(q.first, 10, 99) && between(q.second, 2, 9) && q.first / 10 * q.second <= 9
            && q.first % 10 * q.second <= 9;
}

// Each digit divides on its own: 48÷4, 69÷3, 60÷3.
bool twoDigitsByOne(const Question &q)
{
    return between(q.first, 10, 99) && between(q.second, 2, 9) && q.first / 10 % q.second == 0
            && q.first % 10 % q.second == 0;
}

// The units' operator sets, in the options' order.
constexpr char16_t plusMinusSet[]{Operators::plus, Operators::minus, 0};
constexpr char16_t plusSet[]{Operators::plus, 0};
constexpr char16_t minusSet[]{Operators::minus, 0};
constexpr char16_t timesSet[]{Operators::times, 0};
constexpr char16_t divideSet[]{Operators::divide, 0};

const std::array<Unit, 12> units{{
        {"10"_L1, u"10以内加减法", plusMinusSet, within10, 1, 1, u"7＋3", u"不含 0"},
        {"20"_L1, u"20以内加减法", plusMinusSet, within20, 2, 1, u"13－5", {}},
        {"carry20"_L1, u"20以内进位加法", plusSet, carryTo20, 1, 1, u"8＋5", {}},
        {"borrow20"_L1, u"20以内退位减法", minusSet, borrowFrom20, 2, 1, u"15－7", {}},
        {"100"_L1, u"100以内加减法（不进位不退位）", plusMinusSet, within100Plain, 2, 2, u"43＋25", {}},
        {"carry100-1d"_L1, u"两位数加减一位数（进位退位）", plusMinusSet, twoDigitsAndOne, 2, 1, u"74＋9", {}},
        {"carry100-2d"_L1, u"两位数加减两位数（进位退位）", plusMinusSet, twoDigitsAndTwo, 2, 2, u"56－28", {}},
        {"tens"_L1, u"整十数加减法", plusMinusSet, wholeTens, 2, 2, u"30＋50", {}},
        {"times"_L1, u"表内乘法", timesSet, timesTable, 1, 1, u"6×7", {}},
        {"divide"_L1, u"表内除法", divideSet, divideTable, 2, 1, u"56÷7", {}},
        {"times2"_L1, u"两位数乘一位数（不进位）", timesSet, twoDigitsTimesOne, 2, 1, u"23×3", {}},
        {"divide2"_L1, u"两位数除以一位数（口算）", divideSet, twoDigitsByOne, 2, 1, u"48÷4", {}},
}};

} // namespace

std::span<const Unit> UnitTable::all()
{
    return units;
}

const Unit *UnitTable::find(QStringView id)
{
    for (const Unit &unit : units) {
        if (unit.id == id)
            return &unit;
    }
    return nullptr;
}

std::optional<QList<const Unit *>> UnitTable::parse(QStringView ids, QString *unknown)
{
    QList<const Unit *> chosen;
    for (const QStringView id : ids.split(u',')) {
        const Unit *unit = find(id);
        if (!unit) {
            if (unknown)
                *unknown = id.toString();
            return std::nullopt;
        }
        if (!chosen.contains(unit))
            chosen.append(unit);
    }
    return chosen;
}

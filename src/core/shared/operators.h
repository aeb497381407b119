// The four operator symbols a question can carry, as the options name them and as questions write them.
#pragma once

#include <array>

namespace Operators {

inline constexpr char16_t plus = u'\uFF0B';   // ＋
inline constexpr char16_t minus = u'\uFF0D';  // －
inline constexpr char16_t times = u'\u00D7';  // ×
inline constexpr char16_t divide = u'\u00F7'; // ÷

// The order of the options' boxes "加", "减", "乘", "除": operator sets and sheet times follow it.
inline constexpr std::array<char16_t, 4> inOptionOrder{plus, minus, times, divide};

// The order grading looks for a symbol in a question text: the first one found is the operator.
inline constexpr std::array<char16_t, 4> inGradingOrder{divide, times, plus, minus};

// Whether c is one of the four symbols.
constexpr bool isOperator(char16_t c)
{
    return c == plus || c == minus || c == times || c == divide;
}

} // namespace Operators

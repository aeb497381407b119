// The four operator symbols a question can carry, as the options name them and as questions write them.
#pragma once

#include <array>
#include <string_view>

namespace Operators {

inline constexpr char16_t plus = u'\uFF0B';   // ＋
inline constexpr char16_t minus = u'\uFF0D';  // －
inline constexpr char16_t times = u'\u00D7';  // ×
inline constexpr char16_t divide = u'\u00F7'; // ÷

// The order of the options' boxes "加", "减", "乘", "除": operator sets and sheet times follow it.
inline constexpr std::array<char16_t, 4> inOptionOrder{plus, minus, times, divide};

// What a keyboard without the symbols types for them, in option order: "x" and "*" both stand for ×.
inline constexpr std::array<std::u16string_view, 4> asciiInOptionOrder{u"+", u"-", u"x*", u"/"};

// The order grading looks for a symbol in a question text: the first one found is the operator.
inline constexpr std::array<char16_t, 4> inGradingOrder{divide, times, plus, minus};

// Whether c is one of the four symbols.
constexpr bool isOperator(char16_t c)
{
    return c == plus || c == minus || c == times || c == divide;
}

// Where c stands in option order, as a symbol or one of its ASCII forms; -1 for any other character.
constexpr int optionIndex(char32_t c)
{
    for (size_t i = 0; i < inOptionOrder.size(); ++i) {
        if (c == inOptionOrder[i] || (c < 0x80 && asciiInOptionOrder[i].find(char16_t(c)) != std::u16string_view::npos))
            return int(i);
    }
    return -1;
}

} // namespace Operators

// What the benchmarks print: medians, numbers as text, and one FIGURE line a figure for scripts/bench.sh's table.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace BenchFigures {

// The middle of the values that were measured (NaN: not measured), NaN when none was.
inline double median(std::vector<double> values)
{
    values.erase(std::remove_if(values.begin(), values.end(), [](double v) { return std::isnan(v); }), values.end());
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Up to three numbers in a printf pattern; "-" when the first was not measured.
inline std::string format(const char *pattern, double a, double b = 0, double c = 0)
{
    if (std::isnan(a))
        return "-";
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

// One row of the figures table: name | value | goal | within goal (empty without a goal).
inline void figure(const std::string &name, const std::string &value, const std::string &goal = "", bool met = false)
{
    std::printf("FIGURE|%s|%s|%s|%s\n", name.c_str(), value.c_str(), goal.c_str(),
                goal.empty()  ? ""
                        : met ? "yes"
                              : "no");
    std::fflush(stdout);
}

} // namespace BenchFigures

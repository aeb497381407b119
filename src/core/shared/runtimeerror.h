// The program's own run-time errors: overflow, division by zero and invalid calls.
#pragma once

#include <stdexcept>

class RuntimeError : public std::runtime_error
{
public:
    enum class Kind { Overflow, DivisionByZero, InvalidCall };

    explicit RuntimeError(Kind kind);

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// The program's own run-time errors: overflow, division by zero and invalid calls.
#pragma once

#include <QString>

#include <stdexcept>

class RuntimeError : public std::runtime_error
{
public:
    enum class Kind { Overflow, DivisionByZero, InvalidCall };

    explicit RuntimeError(Kind kind);

    Kind kind() const { return m_kind; }
    // The message a learner sees, in Chinese.
    QString text() const;

private:
    Kind m_kind;
};

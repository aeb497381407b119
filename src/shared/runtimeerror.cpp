// The program's own run-time errors: overflow, division by zero and invalid calls.
#include "shared/runtimeerror.h"

namespace {
const char *kindName(RuntimeError::Kind kind)
{
    switch (kind) {
    case RuntimeError::Kind::Overflow:
        return "overflow";
    case RuntimeError::Kind::DivisionByZero:
        return "division by zero";
    case RuntimeError::Kind::InvalidCall:
        return "invalid procedure call or argument";
    }
    return "run-time error";
}
} // namespace

RuntimeError::RuntimeError(Kind kind)
    : std::runtime_error(kindName(kind))
    , m_kind(kind)
{
}

QString RuntimeError::text() const
{
    switch (m_kind) {
    case Kind::Overflow:
        return QStringLiteral("数值溢出：计算结果超出了程序能处理的范围。");
    case Kind::DivisionByZero:
        return QStringLiteral("除数为零。");
    case Kind::InvalidCall:
        return QStringLiteral("无效的过程调用或参数。");
    }
    return QStringLiteral("运行时错误。");
}

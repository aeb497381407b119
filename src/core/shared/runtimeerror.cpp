// The program's own run-time errors: overflow, division by zero and invalid calls.
#include "shared/runtimeerror.h"

namespace {
// For what(); the learner reads the texts the windows write for each kind.
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

// Lets a test name the run-time error a call ends with, or see that it ended normally.
#pragma once

#include "shared/runtimeerror.h"

#include <QTest>

#include <optional>

using MaybeKind = std::optional<RuntimeError::Kind>;

// The kind of RuntimeError the call threw; nothing when it returned.
template<typename Call>
MaybeKind raised(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error.kind();
    }
    return std::nullopt;
}

namespace QTest {
template<>
inline char *toString(const MaybeKind &kind)
{
    if (!kind)
        return qstrdup("no error");
    switch (*kind) {
    case RuntimeError::Kind::Overflow:
        return qstrdup("Overflow");
    case RuntimeError::Kind::DivisionByZero:
        return qstrdup("DivisionByZero");
    case RuntimeError::Kind::InvalidCall:
        return qstrdup("InvalidCall");
    }
    return qstrdup("unknown kind");
}
} // namespace QTest

Q_DECLARE_METATYPE(MaybeKind)

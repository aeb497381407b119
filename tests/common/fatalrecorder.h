// Keeps a test process alive through the program's fatal path and records what it would have said.
#pragma once

#include "controls/handlerguard.h"

#include <QString>
#include <QStringList>

#include <utility>

class FatalRecorder
{
public:
    FatalRecorder()
    {
        HandlerGuard::setFatalHandler([this](const QString &message) { m_messages.append(message); });
    }
    ~FatalRecorder() { HandlerGuard::setFatalHandler({}); }
    FatalRecorder(const FatalRecorder &) = delete;
    FatalRecorder &operator=(const FatalRecorder &) = delete;

    // The messages since the last take(), in order; a test that expects none compares with an empty list.
    QStringList take() { return std::exchange(m_messages, {}); }
    bool isEmpty() const { return m_messages.isEmpty(); }
    QString joined() const { return m_messages.join(u" | "); }

private:
    QStringList m_messages;
};

// What the program says when it sends a printed set to a printer queue, in Chinese, one sentence each.
#pragma once

#include <cstdint>

class QString;

namespace PrinterMessages {

// How the queue lists a set: with its seed, which its pages name too. Short, and the seed before the 64th byte:
// a queue that writes files (cups-pdf) names them after the title, cut there.
QString jobTitle(std::uint32_t seed);

// The scheduler does not answer; server is where the client looks for it (a socket or a host).
QString unreachable(const QString &server, const QString &reason);

// The scheduler knows no queue of that name.
QString unknownQueue(const QString &queue);

// The queue turns jobs away; reason is what the scheduler gives for it, possibly empty.
QString notAccepting(const QString &queue, const QString &reason);

// The queue took the job but is stopped: the job waits in it until the queue is started again.
QString held(const QString &queue);

// The queue took the job and will print it.
QString sent(const QString &queue);

// The CUPS client library (Debian's libcups2) is not installed, so no queue can be reached.
QString noLibrary();

// The title of the print window and of the program's boxes about printing.
QString dialogTitle();

// The scheduler lists no printer queue to choose from.
QString noPrinter();

// Any other failure, with the scheduler's own words for it.
QString failed(const QString &queue, const QString &reason);

} // namespace PrinterMessages

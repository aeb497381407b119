// How a message quotes what the user typed or named: in “”, and on one line whatever the value holds.
#pragma once

class QString;
class QStringView;

namespace Quoting {

// value in “”, each control character written as its escape ("\n", "\t", "\x1b"), so the message keeps its line.
QString quoted(QStringView value);

// The same for the start of a text that may be pasted and very long: its first 24 characters and "…".
QString quotedStart(QStringView value);

} // namespace Quoting

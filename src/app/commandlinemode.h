// The program run from the command line: printed sheets, help and version, without a window or a display.
#pragma once

#include <optional>

namespace CommandLine {
struct Refusal;
} // namespace CommandLine

namespace CommandLineMode {

// Runs the command line's request when the arguments make one (CommandLine::wanted) and gives the exit status;
// nothing when the window is to start. Call first thing in main(), before any application object exists.
std::optional<int> run(int argc, char *argv[]);

// Says why the arguments cannot be used, in one line on standard error, and gives the exit status.
int refused(const CommandLine::Refusal &refusal);

} // namespace CommandLineMode

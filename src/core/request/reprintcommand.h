// The command that prints a set again, for the printed file's properties: the destination, the set's options and
// its seed.
#pragma once

#include <QString>

#include <cstdint>

namespace SetOptions {
struct Checked;
}

namespace ReprintCommand {

enum class Destination { Pdf, Printer };

// "sumora --pdf NAME" (a file's name without its folder; "-" for standard output) or "sumora --printer QUEUE", the
// set's options with the seed, and the version as a shell comment at its end (" # sumora 1.1.0"), since another
// version draws other sets. A name that the shell would not keep as it is stands in single quotes.
QString of(Destination destination, const QString &name, const SetOptions::Checked &set, std::uint32_t seed);

} // namespace ReprintCommand

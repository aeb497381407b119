// libcups, loaded when a set first goes to a printer queue rather than linked into the program.
#include "print/cupslibrary.h"

#include <QLibrary>

const CupsLibrary *CupsLibrary::get()
{
    static const CupsLibrary *const loaded = [] {
        static QLibrary library(QStringLiteral("cups"), 2); // libcups.so.2, kept loaded until the program ends
        static CupsLibrary functions;
        bool found = library.load();
        // NOLINTBEGIN(cppcoreguidelines-pro-type-reinterpret-cast): a symbol's address as its function's type
#define SUMORA_CUPS_RESOLVE(name)                                                                   \
    functions.name = found ? reinterpret_cast<decltype(&::name)>(library.resolve(#name)) : nullptr; \
    found = found && functions.name;
        SUMORA_CUPS_FUNCTIONS(SUMORA_CUPS_RESOLVE)
#undef SUMORA_CUPS_RESOLVE
        // NOLINTEND(cppcoreguidelines-pro-type-reinterpret-cast)
        return found ? &functions : nullptr;
    }();
    return loaded;
}

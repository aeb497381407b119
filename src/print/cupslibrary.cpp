// libcups, loaded when a set first goes to a printer queue rather than linked into the program.
#include "print/cupslibrary.h"

#include <QLibrary>

namespace {

// Sets function to the symbol name of library; found turns false when the library lacks it.
template<typename Function>
void resolve(QLibrary &library, const char *name, Function &function, bool &found)
{
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): a symbol's address as its function's type
    function = reinterpret_cast<Function>(library.resolve(name));
    found = found && function != nullptr;
}

} // namespace

const CupsLibrary *CupsLibrary::get()
{
    static const CupsLibrary *const loaded = []() -> const CupsLibrary * {
        static QLibrary library(QStringLiteral("cups"), 2); // libcups.so.2, kept loaded until the program ends
        static CupsLibrary functions;
        if (!library.load())
            return nullptr;
        bool found = true;
#define SUMORA_CUPS_RESOLVE(name) resolve(library, #name, functions.name, found);
        SUMORA_CUPS_FUNCTIONS(SUMORA_CUPS_RESOLVE)
#undef SUMORA_CUPS_RESOLVE
        return found ? &functions : nullptr;
    }();
    return loaded;
}

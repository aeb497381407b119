// libcups, loaded when a set first goes to a printer queue rather than linked into the program.
#pragma once

#include <cups/cups.h>

// The functions the program calls, each listed once: the table's members and their lookups are made from it.
#define SUMORA_CUPS_FUNCTIONS(F) \
    F(cupsAddOption)             \
    F(cupsCancelJob2)            \
    F(cupsCreateJob)             \
    F(cupsDoRequest)             \
    F(cupsFinishDocument)        \
    F(cupsFreeDests)             \
    F(cupsFreeOptions)           \
    F(cupsGetNamedDest)          \
    F(cupsGetOption)             \
    F(cupsLastError)             \
    F(cupsLastErrorString)       \
    F(cupsServer)                \
    F(cupsStartDocument)         \
    F(cupsWriteRequestData)      \
    F(ippAddString)              \
    F(ippDelete)                 \
    F(ippFindAttribute)          \
    F(ippGetString)              \
    F(ippNewRequest)

// Linked, libcups would bring 19 libraries (GnuTLS, Kerberos, Avahi among them) into every start of the practice
// window, a third of its start-up; loaded here, only a set sent to a queue pays for them.
class CupsLibrary
{
public:
    // The library with every function found, or nothing when it is not installed (Debian's libcups2).
    static const CupsLibrary *get();

// NOLINTNEXTLINE(bugprone-macro-parentheses): name is a function's name, not an expression
#define SUMORA_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    SUMORA_CUPS_FUNCTIONS(SUMORA_CUPS_MEMBER)
#undef SUMORA_CUPS_MEMBER
};

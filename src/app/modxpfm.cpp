// Start-up of the platform's themed common controls, before any window exists.
#include "app/modxpfm.h"

#if defined(_WIN32)
#include <windows.h>

#include <commctrl.h>
#endif

bool ModXpFm::InitXpStyles()
{
#if defined(_WIN32)
    // Errors are recorded, not raised: a missing library or entry point only gives false.
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    if (!library)
        return false;
    using InitFunction = BOOL(WINAPI *)(const INITCOMMONCONTROLSEX *);
    const auto init = reinterpret_cast<InitFunction>(GetProcAddress(library, "InitCommonControlsEx"));
    if (!init)
        return false;
    INITCOMMONCONTROLSEX controls;
    controls.dwSize = 8;
    controls.dwICC = ICC_USEREX_CLASSES;
    init(&controls); // its own result is not looked at
    return true;
#else
    return true;
#endif
}

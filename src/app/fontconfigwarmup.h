// Reads fontconfig's configuration on another core while the program loads Qt's translations.
#pragma once

#include <thread>

// Start it once QApplication exists, and wait() for it before the first window is made: Qt's font database asks
// fontconfig for its configuration on the first font it resolves, and finds it read by then. fontconfig reads the
// locale and the environment, which QApplication sets and changes (setlocale, and the X11 plugin's unsetenv of
// DESKTOP_STARTUP_ID) without any lock a reader could take: started earlier, the thread would race with them. Where
// fontconfig is not the font system, it does nothing.
class FontconfigWarmUp
{
public:
    FontconfigWarmUp();
    ~FontconfigWarmUp();
    FontconfigWarmUp(const FontconfigWarmUp &) = delete;
    FontconfigWarmUp &operator=(const FontconfigWarmUp &) = delete;

    void wait();

private:
    std::thread m_thread;
};

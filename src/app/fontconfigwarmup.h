// Reads fontconfig's configuration on another core while Qt connects to the display.
#pragma once

#include <thread>

// Start it first thing in main(), and wait() for it before the first window is made: Qt's font database asks
// fontconfig for its configuration on the first font it resolves, and finds it read by then. Where fontconfig is
// not the font system, it does nothing.
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

// Reads fontconfig's configuration on another core while Qt connects to the display.
#include "app/fontconfigwarmup.h"

#if defined(SUMORA_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

FontconfigWarmUp::FontconfigWarmUp()
{
#if defined(SUMORA_HAVE_FONTCONFIG)
    // About a fifth of the start-up: the configuration files and the font caches. FcInit is safe to call from any
    // thread; Qt's own call later finds the configuration loaded.
    m_thread = std::thread([] { FcInit(); });
#endif
}

FontconfigWarmUp::~FontconfigWarmUp()
{
    wait();
}

void FontconfigWarmUp::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

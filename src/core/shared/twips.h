// Conversion of design units (twips, 1/1440 inch) to device-independent pixels.
#pragma once

#include <cmath>

namespace Twips {

inline constexpr double perInch = 1440.0;

// Twips at a logical dpi; 15 twips make one pixel at 96 dpi.
inline int toPixels(double twips, double dpi)
{
    return int(std::lround(twips * dpi / perInch));
}

inline double fromPixels(int pixels, double dpi)
{
    return pixels * perInch / dpi;
}

} // namespace Twips

#pragma once

#include <cmath>

namespace hestova {

// Lengths of the windows and the control libraries: twips, 15 to the pixel, in both directions.
constexpr int TwipsPerPixel = 15;

// Nearest integer, halves to even (the rounding of the numbers the program converts).
inline long long roundHalfEven(double value)
{
    return static_cast<long long>(std::nearbyint(value));  // default rounding mode: to nearest, ties to even
}

constexpr double pixelsToTwips(double pixels)
{
    return pixels * TwipsPerPixel;
}

constexpr double twipsToPixels(double twips)
{
    return twips / TwipsPerPixel;
}

inline int pixelsFromTwips(double twips)
{
    return int(roundHalfEven(twipsToPixels(twips)));
}

inline int twipsFromPixels(double pixels)
{
    return int(roundHalfEven(pixelsToTwips(pixels)));
}

}  // namespace hestova

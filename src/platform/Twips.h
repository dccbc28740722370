#pragma once

#include <QRect>

namespace corvanta {

// The layout is measured in twips: 1/1440 inch, 15 to a pixel at 96 pixels per inch. Qt's logical
// pixels are 96-per-inch pixels, so a twip measure divides by 15 whatever the screen's scale.
inline constexpr double kTwipsPerPixel = 15.0;

constexpr int twipsToPixels(int twips)
{
    return static_cast<int>(twips / kTwipsPerPixel); // every measure of the layout is whole pixels
}

constexpr QRect twipRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// The default sunken frame of every surface and marker: 30 twips, 2 pixels, on each side.
inline constexpr int kSunkenBorderPixels = 2;

} // namespace corvanta

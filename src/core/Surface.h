#pragma once

#include <cstdint>
#include <string_view>

namespace corvanta {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// A drawing surface with its own user scale and a text cursor, in user units. What is drawn stays
// until clear().
class Surface {
public:
    virtual ~Surface() = default;

    // Fills the surface with its back colour and puts the cursor at the origin.
    virtual void clear() = 0;
    virtual void moveCursor(float x, float y) = 0;
    // Draws UTF-8 text with its top-left corner at the cursor, then moves the cursor to the start of
    // the next line. Never wraps: what passes the edge is cut off.
    virtual void printLine(std::string_view text) = 0;
    // A solid line one pixel wide.
    virtual void line(float x1, float y1, float x2, float y2, Rgb colour) = 0;

    void printAt(float x, float y, std::string_view text)
    {
        moveCursor(x, y);
        printLine(text);
    }
};

} // namespace corvanta

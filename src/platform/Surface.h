#pragma once

#include <cstdint>
#include <string_view>

namespace corvanta {

// A 24-bit colour as the drawing calls take it.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A drawing surface with its own user scale and a text cursor. What is drawn stays until Cls.
// Positions are in the surface's user units; the cursor is kept as 32-bit floats.
class Surface {
public:
    virtual ~Surface() = default;

    // Clears to the back colour and puts the cursor at the scale origin.
    virtual void Cls() = 0;
    virtual void SetCurrentX(float x) = 0;
    virtual void SetCurrentY(float y) = 0;
    virtual float CurrentX() const = 0;
    virtual float CurrentY() const = 0;
    // Draws UTF-8 text with its top-left corner at the cursor, then ends the line:
    // x returns to the origin and y moves down one line. Never wraps.
    virtual void Print(std::string_view text) = 0;
    // A solid 1-pixel line between two points in user units.
    virtual void Line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
};

} // namespace corvanta

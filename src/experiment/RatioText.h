#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace corvanta {

// count / total with the pattern "0.000": three decimals, an exact half rounded up, decimal point
// always '.'. Decided in integers so that 1 of 16 is "0.063" (binary floating point and printf
// would round 0.0625 to even). Requires 0 <= count <= total and total > 0.
class RatioText {
public:
    RatioText(std::int32_t count, std::int32_t total);
    std::string_view View() const { return {text_.data(), length_}; }

private:
    std::array<char, 16> text_ {};
    std::size_t length_ = 0;
};

// The plain decimal text of a count: "0", "17", no sign for positives, no padding.
class CountText {
public:
    explicit CountText(std::int32_t value);
    std::string_view View() const { return {text_.data(), length_}; }

private:
    std::array<char, 12> text_ {};
    std::size_t length_ = 0;
};

} // namespace corvanta

#include "RatioText.h"

#include <charconv>

namespace corvanta {

RatioText::RatioText(std::int32_t count, std::int32_t total)
{
    // Thousandths, rounded half up: floor(count / total * 1000 + 1/2), all in integers.
    const std::int64_t thousandths = (2000 * std::int64_t {count} + total) / (2 * std::int64_t {total});
    char* out = text_.data();
    out = std::to_chars(out, text_.data() + text_.size(), thousandths / 1000).ptr;
    const auto fraction = static_cast<int>(thousandths % 1000);
    *out++ = '.';
    *out++ = static_cast<char>('0' + fraction / 100);
    *out++ = static_cast<char>('0' + fraction / 10 % 10);
    *out++ = static_cast<char>('0' + fraction % 10);
    length_ = static_cast<std::size_t>(out - text_.data());
}

CountText::CountText(std::int32_t value)
{
    const auto result = std::to_chars(text_.data(), text_.data() + text_.size(), value);
    length_ = static_cast<std::size_t>(result.ptr - text_.data());
}

} // namespace corvanta

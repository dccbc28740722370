#pragma once

#include <array>
#include <string_view>

namespace corvanta {

// The help page, one entry per printed line, in UTF-8. An empty entry only moves the cursor down.
// The leading ideographic spaces (U+3000) indent the paragraphs; the blanks before commas and
// question marks and the trailing blanks belong to the text and are printed as they stand.
// The page's face is the layout's at 11.25 points, set narrower (88 % of its width, as the main
// window's strips) so that the longest line, 681 pixels wide at full width, ends inside the page's
// 613 pixels at every screen scale instead of being cut off.
inline constexpr double kHelpPagePoints = 11.25;
inline constexpr int kHelpPageStretch = 88;

inline constexpr std::array<std::u8string_view, 15> kHelpLines = {
    u8"",
    u8"\u3000\u3010Problem\u3011",
    u8"\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    u8"When one pachinko ball hits nails and falls while splitting into left and right , ",
    u8"\u3000\u3000\u3000\u3000\u3000\u3000"
    u8"where does the pachinko ball fall ?",
    u8"\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    u8"However , when the pachinko ball hits the nails and divides into left and right , ",
    u8"\u3000\u3000\u3000\u3000\u3000\u3000"
    u8"the division is the same for the left and right.",
    u8"\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    u8"Is there a place where pachinko balls can easily fall ? Or is it the same ",
    u8"\u3000\u3000\u3000\u3000\u3000\u3000"
    u8"everywhere ?",
    u8"",
    u8"",
    u8"\u3000\u3010Operation Method\u3011",
    u8"\u3000\u3000\u3000\u3000\u3000\u3000"
    u8"\u25A0Coppare the theoretical numbers with the numbers from the experimental results.",
    u8"\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    u8"When you click the\uFF3BHighSpeed\uFF3Dbutton , the pachinko ball will fall at high speed.",
    u8"\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    u8"When you click the\uFF3BLowSpeed\uFF3Dbutton , the pachinko ball will fall at low speed.",
    u8"\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    u8"When you click the\uFF3BStop\uFF3Dbutton , the pachinko ball will stop falling.",
};

} // namespace corvanta

#pragma once

#include <QtGlobal>

namespace corvanta {

// The page's face is the layout's at 11.25 points, set narrower (88 % of its width, as the main
// window's strips) so that the longest English line, 681 pixels wide at full width, ends inside the
// page's 613 pixels at every screen scale instead of being cut off; every translation fits it too.
inline constexpr double kHelpPagePoints = 11.25;
inline constexpr int kHelpPageStretch = 88;

// The help page as one text, its lines ended by '\n', so that a translation sets its own line ends
// (the page holds 17 lines). An empty line only moves the cursor down. The leading ideographic
// spaces (U+3000) indent the paragraphs; the blanks before commas and question marks and the
// trailing blanks belong to the text and are printed as they stand. A letter that could be a hex
// digit starts a literal of its own after an escape: lupdate would read it as part of the escape.
inline constexpr char kHelpPage[] = QT_TRANSLATE_NOOP("corvanta::HelpWindow",
    "\n"
    "\u3000\u3010Problem\u3011\n"
    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    "When one pachinko ball hits nails and falls while splitting into left and right , \n"
    "\u3000\u3000\u3000\u3000\u3000\u3000"
    "where does the pachinko ball fall ?\n"
    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    "However , when the pachinko ball hits the nails and divides into left and right , \n"
    "\u3000\u3000\u3000\u3000\u3000\u3000"
    "the division is the same for the left and right.\n"
    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    "Is there a place where pachinko balls can easily fall ? Or is it the same \n"
    "\u3000\u3000\u3000\u3000\u3000\u3000"
    "everywhere ?\n"
    "\n"
    "\n"
    "\u3000\u3010Operation Method\u3011\n"
    "\u3000\u3000\u3000\u3000\u3000\u3000"
    "\u25A0" "Coppare the theoretical numbers with the numbers from the experimental results.\n"
    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    "When you click the\uFF3BHighSpeed\uFF3D" "button , the pachinko ball will fall at high speed.\n"
    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    "When you click the\uFF3BLowSpeed\uFF3D" "button , the pachinko ball will fall at low speed.\n"
    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    "When you click the\uFF3BStop\uFF3D" "button , the pachinko ball will stop falling.");

} // namespace corvanta

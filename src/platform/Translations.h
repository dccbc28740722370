#pragma once

#include <QString>

namespace corvanta {

// Shows the program, and Qt's own dialog buttons, in the first of the user's interface languages
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the program is translated into; English, the texts' own
// language, when it comes first, when no other does, or when the messages locale is C. Makes the
// locale that language came from the default (C for English), for the decimal sign, and draws the
// layout in that language's face (useLayoutFaceFor()). Call after registerLayoutFonts() and before
// the first widget is created; a later call replaces what an earlier one installed. Returns the
// language shown ("de"), empty for English.
QString installTranslations();

} // namespace corvanta

#pragma once

namespace corvanta::test {

// Each test binary defines whether it needs a QApplication (widget tests do).
bool NeedsApplication();
// Called once the QApplication exists (fonts, substitutions); may do nothing.
void PrepareApplication();

} // namespace corvanta::test

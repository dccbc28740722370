// Test main for every test binary. Widget tests need a QApplication; it is created only when the
// binary asks for one (experiment tests run without any toolkit object).
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <sys/stat.h>

#include "TestSupport.h"

namespace {

std::string PrivateRuntimeDir()
{
    std::string dir = "/tmp/corvanta-test-runtime-" + std::to_string(::getuid());
    ::mkdir(dir.c_str(), 0700);
    ::chmod(dir.c_str(), 0700);
    return dir;
}

} // namespace

int main(int argc, char** argv)
{
    // Headless unless a platform is chosen; fixed 96 DPI so pixel positions are those of the layout.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("QT_FONT_DPI", "96", 0);
    ::setenv("XDG_RUNTIME_DIR", PrivateRuntimeDir().c_str(), 0);
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> app;
    if (corvanta::test::NeedsApplication()) {
        QApplication::setAttribute(Qt::AA_Use96Dpi);
        app = std::make_unique<QApplication>(argc, argv);
        corvanta::test::PrepareApplication();
    }
    return RUN_ALL_TESTS();
}

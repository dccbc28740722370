// Widget and sound tests: headless unless a platform is chosen, at 96 DPI so that pixels are the
// layout's, with a private runtime folder.
#include <QApplication>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    const QByteArray runtime = "/tmp/corvanta-tests-" + QByteArray::number(::getuid());
    ::mkdir(runtime.constData(), 0700);
    ::setenv("XDG_RUNTIME_DIR", runtime.constData(), 0);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("QT_FONT_DPI", "96", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

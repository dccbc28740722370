// Writes the program's icon as a 32 x 32, 24-bit PNG: make_icon OUTPUT.png
#include "platform/ProgramIcon.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.png\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!corvanta::programIconImage().save(path, "PNG")) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

// Writes the program's icon into an icon theme folder, as PNGs of the given sizes and as SVG:
//   make_icon FOLDER NAME SIZE...  writes FOLDER/NxN/apps/NAME.png and FOLDER/scalable/apps/NAME.svg
#include "platform/ProgramIcon.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_icon FOLDER NAME SIZE...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool written = true;
    for (int arg = 3; arg < argc; ++arg) {
        const int size = std::atoi(argv[arg]);
        const QString path = QString("%1x%1/apps/%2.png").arg(size).arg(name);
        written = folder.mkpath(QString("%1x%1/apps").arg(size)) && written;
        written = corvanta::programIconImage(size).save(folder.filePath(path), "PNG") && written;
    }
    written = folder.mkpath("scalable/apps") && written;
    QSvgGenerator svg;
    svg.setFileName(folder.filePath("scalable/apps/" + name + ".svg"));
    svg.setSize(QSize(32, 32));
    svg.setResolution(96); // the size is written in millimetres: 32 CSS pixels
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle("Corvanta");
    svg.setDescription("A triangle of blue pins above the red bars of a binomial histogram");
    QPainter painter;
    written = painter.begin(&svg) && written;
    painter.setFont(QFont("sans-serif", 8)); // written into every group: without it, an invalid size of -1
    corvanta::paintProgramIcon(painter, true);
    written = painter.end() && written;
    if (!written) {
        std::fprintf(stderr, "make_icon: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}

// The smallest Qt 6 program with a window of the main window's size: the baseline that the real
// program's start-up, memory and idle behaviour are compared with. A QApplication, one 815 x 554
// top-level QWidget holding one QPushButton, shown; nothing else.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(815, 554);
    QPushButton button(QStringLiteral("Button"), &window);
    button.setGeometry(248, 496, 121, 25);
    window.show();
    return QApplication::exec();
}

// The baseline: the smallest Qt program with a window of the main window's size and one button.
#include <QApplication>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(815, 554);
    QPushButton button(QStringLiteral("Button"), &window);
    button.setGeometry(248, 496, 121, 25);
    window.show();
    return QApplication::exec();
}

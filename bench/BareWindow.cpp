// The baseline: the smallest Qt program with a window of the main window's size and one button.
// With --animate it also does what a fast run shows: a 9 x 9 square moved every 50 ms, and one more
// marker shown every 11th move.
#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QTimer>

#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(815, 554);
    QPushButton button(QStringLiteral("Button"), &window);
    button.setGeometry(248, 496, 121, 25);
    const auto square = [&window](int x, int y) { // as the program's ball and markers are painted
        auto* frame = new QFrame(&window);
        frame->setGeometry(x, y, 9, 9);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setLineWidth(2);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, Qt::red);
        frame->setPalette(palette);
        frame->setAutoFillBackground(true);
        return frame;
    };
    QTimer timer;
    QFrame* ball = nullptr;
    std::vector<QFrame*> markers;
    if (app.arguments().contains(QStringLiteral("--animate"))) {
        ball = square(400, 40);
        for (int i = 0; i < 220; ++i) {
            markers.push_back(square(150 + 32 * (i % 11), 410 - 8 * (i / 11)));
            markers.back()->hide();
        }
        QObject::connect(&timer, &QTimer::timeout, [&, moves = 0]() mutable {
            ++moves;
            ball->move(400 + 16 * (moves % 11), 40 + 20 * (moves % 11));
            if (moves % 11 == 0) {
                markers[static_cast<std::size_t>(moves / 11 % 220)]->show();
            }
        });
        timer.start(50);
    }
    window.show();
    return QApplication::exec();
}

#include "ProgramIcon.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <array>

namespace corvanta {

namespace {

constexpr int kGrid = 32;
constexpr QRgb kBackground = qRgb(255, 250, 240);
constexpr QRgb kPinBlue = qRgb(0, 0, 255);
constexpr QRgb kBarRed = qRgb(220, 0, 0);
constexpr QRgb kBarShade = qRgb(140, 0, 0);
constexpr QRgb kOutline = qRgb(90, 90, 90);

// A triangle of five rows of 2 x 2 pins, four units apart.
constexpr int kPinRows = 5;
QRect pin(int row, int index)
{
    return {13 - 2 * row + 4 * index, 3 + 3 * row, 2, 2};
}

// A binomial histogram: seven bars, three units wide with a one-unit gap, the last unit a dark edge.
constexpr std::array<int, 7> kBarHeights {2, 5, 9, 12, 9, 5, 2};
QRect bar(std::size_t index)
{
    const int height = kBarHeights[index];
    return {2 + 4 * static_cast<int>(index), 30 - height, 3, height};
}

} // namespace

void paintProgramIcon(QPainter& painter, bool roundPins)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRect(0, 0, kGrid, kGrid), QColor(kOutline));
    painter.fillRect(QRect(1, 1, kGrid - 2, kGrid - 2), QColor(kBackground));
    painter.setBrush(QColor(kPinBlue));
    for (int row = 0; row < kPinRows; ++row) {
        for (int index = 0; index <= row; ++index) {
            if (roundPins) {
                painter.drawEllipse(pin(row, index));
            } else {
                painter.fillRect(pin(row, index), QColor(kPinBlue));
            }
        }
    }
    for (std::size_t index = 0; index < kBarHeights.size(); ++index) {
        const QRect rect = bar(index);
        painter.fillRect(rect, QColor(kBarRed));
        painter.fillRect(rect.adjusted(2, 0, 0, 0), QColor(kBarShade));
    }
}

QImage programIconImage(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(double(size) / kGrid, double(size) / kGrid);
    // At 32 px and below a round pin of 2 x 2 pixels would blur.
    paintProgramIcon(painter, size > kGrid);
    return image;
}

QIcon programIcon()
{
    return QIcon(QPixmap::fromImage(programIconImage()));
}

void completeProgramIcon(QWidget& window)
{
    QIcon icon;
    for (const int size : {CORVANTA_ICON_SIZES}) {
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    }
    QApplication::setWindowIcon(icon);
    window.setWindowIcon(icon);
}

} // namespace corvanta

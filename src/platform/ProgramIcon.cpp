#include "ProgramIcon.h"

#include <array>

namespace corvanta {

namespace {

void fillRect(QImage& image, int x, int y, int width, int height, QRgb colour)
{
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            image.setPixel(column, row, colour);
        }
    }
}

} // namespace

QImage programIconImage()
{
    constexpr int kSize = 32;
    const QRgb background = qRgb(255, 250, 240);
    const QRgb pinBlue = qRgb(0, 0, 255);
    const QRgb barRed = qRgb(220, 0, 0);
    const QRgb barShade = qRgb(140, 0, 0);
    const QRgb outline = qRgb(90, 90, 90);

    QImage image(kSize, kSize, QImage::Format_RGB888);
    image.fill(background);
    fillRect(image, 0, 0, kSize, 1, outline);
    fillRect(image, 0, kSize - 1, kSize, 1, outline);
    fillRect(image, 0, 0, 1, kSize, outline);
    fillRect(image, kSize - 1, 0, 1, kSize, outline);

    // Five rows of 2 x 2 pins, four pixels apart, the apex centred.
    for (int row = 0; row < 5; ++row) {
        for (int pin = 0; pin <= row; ++pin) {
            const int x = 15 - 2 * row + 4 * pin;
            fillRect(image, x - 2, 3 + 3 * row, 2, 2, pinBlue);
        }
    }

    // A binomial histogram: seven bars, three pixels wide with a one-pixel gap and a dark edge.
    constexpr std::array<int, 7> kHeights {2, 5, 9, 12, 9, 5, 2};
    for (std::size_t bar = 0; bar < kHeights.size(); ++bar) {
        const int x = 2 + 4 * static_cast<int>(bar);
        const int height = kHeights[bar];
        fillRect(image, x, 30 - height, 3, height, barRed);
        fillRect(image, x + 2, 30 - height, 1, height, barShade);
    }
    return image;
}

QIcon programIcon()
{
    return QIcon(QPixmap::fromImage(programIconImage()));
}

} // namespace corvanta

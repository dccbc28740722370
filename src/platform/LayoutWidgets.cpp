#include "LayoutWidgets.h"

#include "Twips.h"

#include <QWidget>

namespace corvanta {

void setLayoutColour(QWidget& widget, QRgb back)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, QColor(back));
    palette.setColor(QPalette::WindowText, Qt::black);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void addTitleRule(QWidget& window, int leftTwips, int rightTwips, int yTwips, QWidget* title)
{
    const int left = twipsToPixels(leftTwips);
    const QRect rule(left, twipsToPixels(yTwips), twipsToPixels(rightTwips) - left, 1);
    // Across the title in the title's own ink: its background would hide the window's line.
    for (QWidget* parent : {&window, title}) {
        if (parent != nullptr) {
            auto* line = new QWidget(parent);
            line->setObjectName("titleRule");
            line->setBackgroundRole(QPalette::WindowText);
            line->setAutoFillBackground(true);
            line->setGeometry(parent == title ? rule.intersected(title->geometry()).translated(-title->pos()) : rule);
            line->lower(); // under the buttons
        }
    }
}

} // namespace corvanta

#include "TitleRule.h"

#include "Twips.h"

#include <QWidget>

namespace corvanta {

namespace {

// A line in its parent's ink, under the parent's other children.
void addLine(QWidget* parent, const QRect& pixels)
{
    auto* line = new QWidget(parent);
    line->setBackgroundRole(QPalette::WindowText);
    line->setAutoFillBackground(true);
    line->setGeometry(pixels);
    line->lower();
}

} // namespace

void addTitleRule(QWidget& window, int leftTwips, int rightTwips, int yTwips, QWidget* title)
{
    const int left = twipsToPixels(leftTwips);
    const QRect rule(left, twipsToPixels(yTwips), twipsToPixels(rightTwips) - left, 1);
    addLine(&window, rule);
    if (title != nullptr) { // the title's background would hide the window's line
        addLine(title, rule.intersected(title->geometry()).translated(-title->pos()));
    }
}

} // namespace corvanta

#include "SurfaceWidget.h"

#include "Twips.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace corvanta {

namespace {

// A surface reads as one object, its description saying what is drawn on it. The board's children
// (the ball and 220 markers, most of them hidden) picture what the description already counts.
class SurfaceAccessible final : public QAccessibleWidget {
public:
    explicit SurfaceAccessible(QWidget* surface)
        : QAccessibleWidget(surface, QAccessible::Graphic)
    {
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* surfaceAccessible(const QString&, QObject* object)
{
    auto* surface = qobject_cast<SurfaceWidget*>(object);
    return surface != nullptr ? new SurfaceAccessible(surface) : nullptr;
}

} // namespace

SurfaceWidget::SurfaceWidget(QWidget* parent, double unitAcrossTwips, double unitDownTwips)
    : QFrame(parent)
    , unitAcrossPixels_(unitAcrossTwips / kTwipsPerPixel)
    , unitDownPixels_(unitDownTwips / kTwipsPerPixel)
{
    QAccessible::installFactory(&surfaceAccessible); // once: Qt keeps a factory only once
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kSunkenBorderPixels);
    // The image covers everything inside the frame.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::NoFocus);
}

void SurfaceWidget::setTextFont(const QFont& font, TextEdges edges)
{
    textFont_ = font;
    // Text is printed over what stands there, and the same text may be printed again at the same
    // place. Antialiased edges would blend once more each time and thicken; solid pixels, like the
    // board's lines, leave a reprint identical.
    const int strategy = textFont_.styleStrategy();
    textFont_.setStyleStrategy(QFont::StyleStrategy(
        edges == TextEdges::Solid ? strategy | QFont::NoAntialias : strategy & ~QFont::NoAntialias));
}

void SurfaceWidget::ensureImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize inner = contentsRect().size();
    if (image_.size() == inner * ratio && image_.devicePixelRatio() == ratio) {
        return;
    }
    QImage fresh(inner * ratio, QImage::Format_RGB32);
    fresh.setDevicePixelRatio(ratio);
    drawnBack_ = palette().color(QPalette::Window);
    drawnText_ = palette().color(QPalette::WindowText);
    fresh.fill(drawnBack_);
    if (!image_.isNull()) { // moved to a screen of another scale: keep the drawing, scaled
        QPainter(&fresh).drawImage(QRectF(QPointF(0, 0), QSizeF(inner)), image_);
    }
    image_ = fresh;
}

QPointF SurfaceWidget::toPixels(float x, float y) const
{
    return {static_cast<double>(x) * unitAcrossPixels_, static_cast<double>(y) * unitDownPixels_};
}

QPoint SurfaceWidget::toWidget(float x, float y) const
{
    return contentsRect().topLeft() + toPixels(x, y).toPoint();
}

QRect SurfaceWidget::innerToWidget(const QRectF& inner) const
{
    return inner.toAlignedRect()
        .adjusted(-1, -1, 1, 1)
        .translated(contentsRect().topLeft())
        .intersected(contentsRect());
}

void SurfaceWidget::clear()
{
    ensureImage();
    image_.fill(drawnBack_);
    cursorX_ = cursorY_ = 0.0f;
    printed_.clear();
    update(contentsRect());
}

void SurfaceWidget::moveCursor(float x, float y)
{
    cursorX_ = x;
    cursorY_ = y;
}

void SurfaceWidget::printLine(std::string_view text)
{
    ensureImage();
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (!line.isEmpty()) {
        drawText(cursorX_, cursorY_, line);
        const auto samePlace = std::ranges::find_if(
            printed_, [this](const PrintedText& p) { return p.x == cursorX_ && p.y == cursorY_; });
        if (samePlace != printed_.end()) {
            samePlace->text = line;
        } else {
            printed_.append({cursorX_, cursorY_, line});
        }
    }
    cursorX_ = 0.0f;
    cursorY_ = static_cast<float>(cursorY_ + QFontMetricsF(textFont_, &image_).height() / unitDownPixels_);
}

void SurfaceWidget::drawText(float x, float y, const QString& line)
{
    const QFontMetricsF metrics(textFont_, &image_);
    const QPointF topLeft = toPixels(x, y);
    QPainter painter(&image_);
    painter.setFont(textFont_);
    painter.setPen(drawnText_);
    // The image's edge cuts off what runs past the inner area.
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), line);
    update(innerToWidget(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(line), metrics.height()))));
}

void SurfaceWidget::line(float x1, float y1, float x2, float y2, Rgb colour)
{
    ensureImage();
    const QPointF from = toPixels(x1, y1);
    const QPointF to = toPixels(x2, y2);
    QPainter painter(&image_);
    // One logical pixel wide and unsmoothed: the same line at any scale, and drawing it again over
    // itself changes nothing.
    painter.setPen(QPen(QColor(colour.red, colour.green, colour.blue), 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
    update(innerToWidget(QRectF(from, to).normalized()));
}

void SurfaceWidget::describe(const QString& description)
{
    if (accessibleDescription() != description) {
        setAccessibleDescription(description);
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void SurfaceWidget::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    const QColor back = palette().color(QPalette::Window);
    const QColor text = palette().color(QPalette::WindowText);
    if (event->type() != QEvent::PaletteChange || image_.isNull() || (back == drawnBack_ && text == drawnText_)) {
        return;
    }
    drawnBack_ = back;
    drawnText_ = text;
    image_.fill(back);
    for (const PrintedText& printed : std::as_const(printed_)) {
        drawText(printed.x, printed.y, printed.text);
    }
    update();
}

void SurfaceWidget::paintEvent(QPaintEvent* event)
{
    ensureImage();
    QPainter painter(this);
    const QRect inner = contentsRect();
    const QRect exposed = event->rect().intersected(inner);
    if (!exposed.isEmpty()) {
        const qreal ratio = image_.devicePixelRatio();
        const QRectF source = exposed.translated(-inner.topLeft()).toRectF();
        painter.drawImage(exposed, image_, QRectF(source.topLeft() * ratio, source.size() * ratio));
    }
    if (!inner.contains(event->rect())) {
        drawFrame(&painter);
    }
}

} // namespace corvanta

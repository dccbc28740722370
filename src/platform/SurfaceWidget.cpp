#include "SurfaceWidget.h"

#include "Twips.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace corvanta {

namespace {

// A surface reads as one object: its description says what is drawn on it. The children on the
// board (the ball and 220 markers, most of them hidden) are pictures of what the description
// already counts, and would only be noise to a screen reader.
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

QAccessibleInterface* SurfaceAccessibleFactory(const QString&, QObject* object)
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
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kSunkenBorderPixels);
    // Everything inside the frame comes from the backing image: no background fill needed.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::NoFocus);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&SurfaceAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
}

void SurfaceWidget::setBackColor(const QColor& colour)
{
    backColor_ = colour;
    // The frame's edges take the palette; the inner area is the image.
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void SurfaceWidget::setForeColor(const QColor& colour)
{
    foreColor_ = colour;
}

void SurfaceWidget::setTextFont(const QFont& font)
{
    textFont_ = font;
    // Text is printed over what stands there, and the same text is printed again at the same place
    // on every activation. Antialiased edges would blend again each time and thicken; solid pixels,
    // like the board's lines, leave a reprint identical.
    textFont_.setStyleStrategy(QFont::StyleStrategy(textFont_.styleStrategy() | QFont::NoAntialias));
}

void SurfaceWidget::EndLineRun() const
{
    if (linePainter_.isActive()) {
        linePainter_.end();
    }
}

void SurfaceWidget::EnsureBacking()
{
    const qreal ratio = devicePixelRatioF();
    const QSize inner = contentsRect().size();
    const QSize device(qRound(inner.width() * ratio), qRound(inner.height() * ratio));
    if (backing_.size() == device && backing_.devicePixelRatio() == ratio) {
        return;
    }
    EndLineRun();
    QImage fresh(device, QImage::Format_RGB32);
    fresh.setDevicePixelRatio(ratio);
    fresh.fill(backColor_);
    if (!backing_.isNull()) {
        // Moved to a screen of another scale: keep what was drawn, scaled, until the next Cls.
        QPainter painter(&fresh);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(inner)), backing_);
    }
    backing_ = fresh;
}

void SurfaceWidget::Cls()
{
    EndLineRun();
    EnsureBacking();
    backing_.fill(backColor_);
    currentX_ = 0.0f;
    currentY_ = 0.0f;
    printedTexts_.clear();
    update(contentsRect());
    emit textChanged();
}

QPointF SurfaceWidget::ToPixels(float x, float y) const
{
    return {static_cast<double>(x) * unitAcrossPixels_, static_cast<double>(y) * unitDownPixels_};
}

QPoint SurfaceWidget::ToWidget(float x, float y) const
{
    const QPointF inner = ToPixels(x, y);
    return contentsRect().topLeft() + QPoint(qRound(inner.x()), qRound(inner.y()));
}

QRect SurfaceWidget::InnerToWidget(const QRectF& innerRect) const
{
    // One pixel of margin for antialiased text edges.
    return innerRect.toAlignedRect()
        .adjusted(-1, -1, 1, 1)
        .translated(contentsRect().topLeft())
        .intersected(contentsRect());
}

void SurfaceWidget::Print(std::string_view text)
{
    EndLineRun();
    EnsureBacking();
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetricsF metrics(textFont_, &backing_);
    const QPointF topLeft = ToPixels(currentX_, currentY_);
    if (!line.isEmpty()) {
        QPainter painter(&backing_);
        painter.setFont(textFont_);
        painter.setPen(foreColor_);
        // The image's edge clips what runs past the inner area: cut off, never wrapped.
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), line);
        update(InnerToWidget(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(line), metrics.height()))));
    }
    if (!line.isEmpty()) {
        // Text printed again at the same place stands over itself: keep one entry for it.
        auto same = std::find_if(printedTexts_.begin(), printedTexts_.end(),
            [this](const PrintedText& printed) { return printed.x == currentX_ && printed.y == currentY_; });
        if (same != printedTexts_.end()) {
            same->text = line;
        } else {
            printedTexts_.append({currentX_, currentY_, line});
        }
    }
    // End of line: back to the origin's x, one line of this font further down.
    currentX_ = 0.0f;
    currentY_ = static_cast<float>(static_cast<double>(currentY_) + metrics.height() / unitDownPixels_);
    if (!line.isEmpty()) {
        emit textChanged();
    }
}

void SurfaceWidget::Line(float x1, float y1, float x2, float y2, Rgb colour)
{
    EnsureBacking();
    const QPointF from = ToPixels(x1, y1);
    const QPointF to = ToPixels(x2, y2);
    // Lines come in runs (the board is 93 of them): one painter serves the run, and is ended
    // before anything else touches the image.
    if (!linePainter_.isActive()) {
        linePainter_.begin(&backing_);
    }
    // One logical pixel wide, unsmoothed: the same line at any screen scale.
    linePainter_.setPen(QPen(QColor(colour.red, colour.green, colour.blue), 1.0, Qt::SolidLine, Qt::FlatCap));
    linePainter_.drawLine(from, to);
    update(InnerToWidget(QRectF(from, to).normalized()));
}

void SurfaceWidget::paintEvent(QPaintEvent* event)
{
    EndLineRun();
    EnsureBacking();
    QPainter painter(this);
    const QRect inner = contentsRect();
    const QRect exposed = event->rect().intersected(inner);
    if (!exposed.isEmpty()) {
        const QRect source = exposed.translated(-inner.topLeft());
        const qreal ratio = backing_.devicePixelRatio();
        painter.drawImage(exposed, backing_,
            QRectF(source.x() * ratio, source.y() * ratio, source.width() * ratio, source.height() * ratio));
    }
    if (!event->rect().intersected(frameRect()).isEmpty() && !inner.contains(event->rect())) {
        drawFrame(&painter);
    }
}

} // namespace corvanta

#pragma once

#include "Surface.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>

namespace corvanta {

// A drawing surface on Qt: a sunken 2-pixel frame around an inner area with a user scale
// (origin at the inner top-left corner, one unit across and down given in twips).
//
// Drawing is persistent: everything goes into a backing image that paintEvent copies from, so it
// survives covering, minimising and re-exposure until Cls. The image is kept at the screen's
// device pixel ratio so lines and text stay crisp on scaled screens. Child widgets (the ball
// sprite, the markers) lie over the drawing and never touch it.
class SurfaceWidget : public QFrame, public Surface {
    Q_OBJECT

public:
    SurfaceWidget(QWidget* parent, double unitAcrossTwips, double unitDownTwips);

    void setBackColor(const QColor& colour);
    void setForeColor(const QColor& colour);
    // The font that Print uses.
    void setTextFont(const QFont& font);
    const QFont& TextFont() const { return textFont_; }

    // Surface
    void Cls() override;
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }
    float CurrentX() const override { return currentX_; }
    float CurrentY() const override { return currentY_; }
    void Print(std::string_view text) override;
    void Line(float x1, float y1, float x2, float y2, Rgb colour) override;

    // A point in user units as logical pixels from the inner area's top-left corner.
    QPointF ToPixels(float x, float y) const;
    // The same point in this widget's coordinates (the inner area starts inside the frame).
    QPoint ToWidget(float x, float y) const;

    // The texts printed since the last Cls, with the cursor each was printed at: what a screen
    // reader reads from the surface.
    struct PrintedText {
        float x;
        float y;
        QString text;
    };
    const QList<PrintedText>& PrintedTexts() const { return printedTexts_; }

    // The drawing alone (without the frame or child widgets), at device resolution.
    const QImage& Drawing() const
    {
        EndLineRun();
        return backing_;
    }

signals:
    // Emitted after Cls and after every Print.
    void textChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void EnsureBacking();
    void EndLineRun() const;
    QRect InnerToWidget(const QRectF& innerRect) const;

    double unitAcrossPixels_;
    double unitDownPixels_;
    QColor backColor_ {Qt::white};
    QColor foreColor_ {Qt::black};
    QFont textFont_;
    QImage backing_;
    mutable QPainter linePainter_; // open across a run of Line calls, ended before anything else
    QList<PrintedText> printedTexts_;
    float currentX_ = 0.0f;
    float currentY_ = 0.0f;
};

} // namespace corvanta

#pragma once

#include "core/Surface.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QList>
#include <QString>

namespace corvanta {

// A drawing surface: a sunken frame around an inner area with a user scale (origin at the inner
// top-left corner, one unit across and down given in twips).
//
// Drawing is persistent: it goes into an image that paintEvent copies from, so it survives covering
// and minimising until clear(). The image is kept at the screen's pixel ratio so that lines and text
// stay crisp on scaled screens. Child widgets (the ball, the markers) lie above the drawing.
//
// A surface is drawn in its palette's window and text colours. When they change (a new desktop
// style), what stands printed is printed again in the new ones. Only text is: a surface that
// carries lines is given colours of its own, which a style leaves as they are.
class SurfaceWidget : public QFrame, public Surface {
    Q_OBJECT

public:
    SurfaceWidget(QWidget* parent, double unitAcrossTwips, double unitDownTwips);

    // Solid text is drawn without antialiasing: printed again at the same place over itself, as the
    // strips are, it leaves every pixel as it was. Smooth text suits a surface cleared before each print.
    enum class TextEdges { Solid, Smooth };

    void setTextFont(const QFont& font, TextEdges edges = TextEdges::Solid);

    void clear() override;
    void moveCursor(float x, float y) override;
    void printLine(std::string_view text) override;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;

    // A point in user units, in this widget's coordinates.
    QPoint toWidget(float x, float y) const;

    // What stands printed since the last clear, one entry per place, as a new style prints it again.
    struct PrintedText {
        float x;
        float y;
        QString text;
    };
    const QList<PrintedText>& printedTexts() const { return printed_; }
    // What a screen reader reads of the surface; it is told only when that changes.
    void describe(const QString& description);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPointF toPixels(float x, float y) const;
    QRect innerToWidget(const QRectF& inner) const;
    void ensureImage();
    void drawText(float x, float y, const QString& line);

    double unitAcrossPixels_;
    double unitDownPixels_;
    QColor drawnBack_; // the colours the image is drawn in
    QColor drawnText_;
    QFont textFont_;
    QImage image_;
    QList<PrintedText> printed_;
    float cursorX_ = 0.0f;
    float cursorY_ = 0.0f;
};

} // namespace corvanta

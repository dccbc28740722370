#include "MainWindow.h"

#include "MainWindowLayout.h"

#include "platform/LayoutFonts.h"
#include "platform/LayoutWidgets.h"
#include "platform/ProgramActivation.h"
#include "platform/ProgramIcon.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>

#include <algorithm>

namespace corvanta {

namespace {

// The strips' text: 11 pixels of the layout's face set a little narrower (88 %), so that neighbouring
// values keep about 6 blank pixels between them while the digits stay 8 pixels tall. A wider face
// is narrowed further until a value as the strips print it ("0.246", "0,246") leaves that gap in
// its column and both headings end before the first column.
QFont stripFont(double unitAcrossPixels, const QStringList& headings, const QString& value)
{
    constexpr double kGapPixels = 6.0;
    QFont font = layoutFont(8.0);
    font.setPixelSize(11);
    for (int stretch = 88; stretch >= 60; stretch -= 4) {
        font.setStretch(stretch);
        const QFontMetricsF metrics(font);
        const auto headingFits = [&](const QString& heading) {
            return metrics.horizontalAdvance(heading) + kGapPixels
                < (Experiment::column(1) - kHeadingX) * unitAcrossPixels;
        };
        if (metrics.horizontalAdvance(value) + kGapPixels <= 2 * unitAcrossPixels
            && std::ranges::all_of(headings, headingFits)) {
            break;
        }
    }
    return font;
}

QLabel* newLabel(const QString& caption, QWidget* window)
{
    auto* label = new QLabel(caption, window);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* redSquare(QWidget* board, int leftTwips, int topTwips)
{
    auto* square = new QFrame(board);
    square->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    square->setLineWidth(kSunkenBorderPixels);
    setLayoutColour(*square, kSquareRed);
    // Inside the board, positions count from the inner corner.
    square->setGeometry(kSunkenBorderPixels + twipsToPixels(leftTwips), kSunkenBorderPixels + twipsToPixels(topTwips),
        twipsToPixels(kSquareTwips), twipsToPixels(kSquareTwips));
    return square;
}

} // namespace

MainWindow::MainWindow(RandomSource& random, Clock& clock, CuePlayer& cues)
    : controller_(*this, random, clock, cues)
{
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    setWindowIcon(programIcon());
    // A top-level's geometry is its client area's.
    setGeometry(twipRect(kWindowLeft, kWindowTop, kWindowWidth, kWindowHeight));
    setFixedSize(size());
    buildControls();

    stepTimer_.setParent(this);
    stepTimer_.setObjectName(QStringLiteral("stepTimer"));
    connect(&stepTimer_, &QTimer::timeout, this, [this] { controller_.step(); });
    onProgramActivation(*this, [this] { controller_.activate(); });
    controller_.load();
    buttons_[static_cast<std::size_t>(Button::Fast)]->setFocus(); // once the window is shown
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    std::vector<std::pair<int, QWidget*>> tabOrder;
    QLabel* title = nullptr;
    const QFont stripText = stripFont(kStripUnitAcross / kTwipsPerPixel, {tr(kTheoryHeading), tr(kRatioHeading)},
        QString::fromStdString(thousandthsText(246, decimalSign())));
    for (const ControlRow& control : kMainWindowControls) {
        QWidget* widget = nullptr;
        const QString caption = tr(control.caption);
        switch (control.kind) {
        case ControlKind::Button: {
            auto* button = new QPushButton(caption, this);
            buttons_.at(static_cast<std::size_t>(control.button.value())) = button;
            connect(
                button, &QPushButton::clicked, this, [this, clicked = control.clicked] { (controller_.*clicked)(); });
            tabOrder.emplace_back(control.tabIndex, button);
            widget = button;
            break;
        }
        case ControlKind::Title:
            widget = title = newLabel(caption, this);
            break;
        case ControlKind::Label:
            widget = newLabel(caption, this);
            break;
        case ControlKind::Count:
            widget = countLabel_ = newLabel(caption, this);
            break;
        case ControlKind::Board: // carries no text
            widget = board_ = new SurfaceWidget(this, control.unitAcrossTwips, control.unitDownTwips);
            break;
        case ControlKind::TheoryRow:
            widget = theoryRow_ = new SurfaceWidget(this, control.unitAcrossTwips, control.unitDownTwips);
            theoryRow_->setTextFont(stripText);
            break;
        case ControlKind::RatioRow:
            widget = ratioRow_ = new SurfaceWidget(this, control.unitAcrossTwips, control.unitDownTwips);
            ratioRow_->setTextFont(stripText);
            break;
        }
        widget->setObjectName(QString::fromLatin1(control.name));
        widget->setGeometry(twipRect(control.left, control.top, control.width, control.height));
        widget->setAccessibleName(control.accessibleName != nullptr ? tr(control.accessibleName) : caption);
        if (control.fontPoints > 0) {
            widget->setFont(layoutFont(control.fontPoints, control.bold));
        }
        if (control.back != kDefaultColour) {
            setLayoutColour(*widget, control.back);
        }
    }
    addTitleRule(*this, kRuleLeft, kRuleRight, kRuleY, title);

    std::ranges::sort(tabOrder);
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }
    ballSprite_ = redSquare(board_, kBallInitialLeft, kBallInitialTop);
    ballSprite_->setObjectName(QStringLiteral("ballSprite"));
}

QFrame* MainWindow::binMarker(int bin, int level)
{
    if (binMarkers_[0][0] == nullptr) {
        for (int b = 1; b <= kBins; ++b) {
            for (int l = 1; l <= kBinCapacity; ++l) {
                QFrame* marker = redSquare(board_, markerLeft(b), markerTop(l));
                marker->setObjectName(QStringLiteral("binMarker"));
                marker->hide();
                binMarkers_.at(static_cast<std::size_t>(b - 1)).at(static_cast<std::size_t>(l - 1)) = marker;
            }
        }
        ballSprite_->raise();
    }
    return binMarkers_.at(static_cast<std::size_t>(bin - 1)).at(static_cast<std::size_t>(level - 1));
}

void MainWindow::setCount(std::string_view text)
{
    const QString count = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    countLabel_->setText(count);
    // A screen reader hears the count with what it counts.
    countLabel_->setAccessibleName(tr("Number of Experiments: %1").arg(count));
}

std::string MainWindow::heading(Heading which)
{
    return tr(which == Heading::Theory ? kTheoryHeading : kRatioHeading).toStdString();
}

void MainWindow::setStepTimerEnabled(bool enabled)
{
    if (enabled) {
        stepTimer_.start();
    } else {
        stepTimer_.stop();
    }
}

void MainWindow::setBusy(bool busy)
{
    if (busy) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

void MainWindow::confirmExit()
{
    QMessageBox box(
        QMessageBox::NoIcon, QStringLiteral("Corvanta"), tr("This software will exit."), QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void MainWindow::endProgram()
{
    stepTimer_.stop();
    HelpWindow::closeIfOpen();
    hide();
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closed by its frame while the help window stays open: the program lives on until that one
    // closes too, and the hidden board stops.
    stepTimer_.stop();
    QWidget::closeEvent(event);
}

void MainWindow::showStripTexts(Heading strip, std::span<const std::string> texts)
{
    // "Ratio from experimental results: bin 1 0.001, bin 2 0.010, ..."
    QString description = QString::fromStdString(heading(strip));
    QStringList values;
    for (std::size_t bin = 0; bin < texts.size(); ++bin) {
        values << tr("bin %1 %2").arg(bin + 1).arg(QString::fromStdString(texts[bin]));
    }
    if (!values.isEmpty()) {
        //: A strip as a screen reader reads it: its heading, then its values.
        description = tr("%1: %2").arg(description, values.join(listSeparator()));
    }
    (strip == Heading::Theory ? theoryRow_ : ratioRow_)->describe(description);
}

void MainWindow::showBinCounts(std::span<const int> counts)
{
    // What a sighted student reads off the markers.
    QStringList bins;
    for (std::size_t bin = 0; bin < counts.size(); ++bin) {
        bins << tr("bin %1: %2").arg(bin + 1).arg(counts[bin]);
    }
    board_->describe(bins.join(listSeparator()));
}

QString MainWindow::listSeparator()
{
    //: Between the bins as a screen reader reads them.
    return tr(", ");
}

} // namespace corvanta

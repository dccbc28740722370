#include "Form1.h"

#include "Form1Layout.h"

#include "helpwindow/Form2.h"
#include "platform/LayoutFonts.h"
#include "platform/ProgramActivation.h"
#include "platform/ProgramIcon.h"
#include "platform/SurfaceWidget.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <optional>
#include <vector>

namespace corvanta {

namespace {

QFont FontFor(FontId id)
{
    switch (id) {
    case FontId::F1:
        return LayoutFont(12.0);
    case FontId::F2:
        return LayoutFont(11.25);
    case FontId::F3:
        return LayoutFont(15.75, true);
    case FontId::F4:
        return LayoutFont(9.75, true);
    case FontId::Default:
        break;
    }
    return {};
}

// The strips' text: 11 pixels of the layout's face, set a little narrower (88 %) so that neighbouring
// values keep about 6 blank pixels between them while the digits stay 8 pixels tall. If the installed
// face is wider, it is narrowed further until "0.246" leaves that gap in its column and the longer
// heading ends before the first column.
QFont StripFont(double unitAcrossPixels)
{
    constexpr double kGapPixels = 6.0;
    const double columnWidth = 2.0 * unitAcrossPixels;
    const double headingWidth = (Experiment::RatioColumn(1) - kHeadingX) * unitAcrossPixels - kGapPixels;
    QFont font = LayoutFont(8.0);
    font.setPixelSize(11);
    for (int stretch = 88; stretch >= 60; stretch -= 4) {
        font.setStretch(stretch);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(QStringLiteral("0.246")) + kGapPixels <= columnWidth
            && metrics.horizontalAdvance(QString::fromUtf8(kTheoreticalHeading)) < headingWidth) {
            break;
        }
    }
    return font;
}

void FillBackground(QWidget* widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame* RedSquare(QWidget* board, int leftTwips, int topTwips)
{
    auto* square = new QFrame(board);
    square->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    square->setLineWidth(kSunkenBorderPixels);
    FillBackground(square, kSquareRed);
    // Positions inside the board count from the inner corner, inside its frame.
    square->setGeometry(kSunkenBorderPixels + TwipsToPixels(leftTwips), kSunkenBorderPixels + TwipsToPixels(topTwips),
        TwipsToPixels(kSquareTwips), TwipsToPixels(kSquareTwips));
    square->setFocusPolicy(Qt::NoFocus);
    return square;
}

} // namespace

Form1::Form1(MediaControl& mmControl1, RandomSource& random, Clock& clock)
    : handlers_(*this, random, clock, mmControl1, *this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kForm1Caption));
    setWindowIcon(ProgramIcon());
    // The stored position is the client area's: a top-level's geometry excludes its frame.
    setGeometry(TwipRect(kForm1Left, kForm1Top, kForm1Width, kForm1Height));
    setFixedSize(size());
    BuildControls();

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(kTimer1DesignInterval);
    connect(&timer1_, &QTimer::timeout, this, [this] { handlers_.Timer1_Timer(); });

    connect(&ProgramActivation::Instance(), &ProgramActivation::activated, this, [this](QWidget* window) {
        if (window == this) {
            RunActivation();
        }
    });

    exitBoxPresenter = [](QMessageBox& box) { box.exec(); };
    programEnder = [] { QCoreApplication::exit(0); };

    handlers_.Form_Load();
    UpdateBoardDescription();
}

Form1::~Form1() = default;

void Form1::BuildControls()
{
    std::vector<std::pair<int, QWidget*>> tabOrder;
    std::optional<QFont> stripFont;
    for (const ControlSpec& row : kForm1Controls) {
        QWidget* widget = nullptr;
        const QString caption = QString::fromUtf8(row.caption);
        const int number = row.name[std::char_traits<char>::length(row.name) - 1] - '0';
        switch (row.kind) {
        case ControlKind::PushButton: {
            auto* button = new QPushButton(caption, this);
            button->setAutoDefault(false);
            commands_.at(static_cast<std::size_t>(number)) = button;
            widget = button;
            const int command = number;
            connect(button, &QPushButton::clicked, this, [this, command] {
                switch (command) {
                case 1:
                    handlers_.Command1_Click();
                    break;
                case 2:
                    handlers_.Command2_Click();
                    break;
                case 3:
                    handlers_.Command3_Click();
                    break;
                case 4:
                    handlers_.Command4_Click();
                    break;
                case 5:
                    handlers_.Command5_Click();
                    break;
                case 6:
                    handlers_.Command6_Click();
                    break;
                }
            });
            tabOrder.emplace_back(row.tabIndex, button);
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(caption, this);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            label->setForegroundRole(QPalette::WindowText);
            labels_.at(static_cast<std::size_t>(number)) = label;
            widget = label;
            break;
        }
        case ControlKind::Surface: {
            auto* surface = new SurfaceWidget(this, row.unitAcrossTwips, row.unitDownTwips);
            surface->setBackColor(row.back != kNoColour ? QColor(row.back) : palette().color(QPalette::Window));
            surface->setForeColor(palette().color(QPalette::WindowText));
            if (number != 1) { // the board carries no text
                // Both strips share one scale and height, so they share the font fitted to them.
                if (!stripFont) {
                    stripFont = StripFont(row.unitAcrossTwips / kTwipsPerPixel);
                }
                surface->setTextFont(*stripFont);
            }
            pictures_.at(static_cast<std::size_t>(number)) = surface;
            widget = surface;
            break;
        }
        }
        widget->setObjectName(QString::fromUtf8(row.name));
        widget->setGeometry(TwipRect(row.left, row.top, row.width, row.height));
        widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
        if (row.font != FontId::Default) {
            widget->setFont(FontFor(row.font));
        }
        if (row.back != kNoColour && row.kind != ControlKind::Surface) {
            FillBackground(widget, row.back);
        }
    }

    // Keyboard focus moves through the buttons in the layout's tab order.
    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }

    SurfaceWidget* board = pictures_[1];
    picture2_ = RedSquare(board, kSpriteStoredLeft, kSpriteStoredTop);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setAccessibleName(QStringLiteral("Ball"));

    for (int number : {3, 4}) {
        connect(pictures_.at(static_cast<std::size_t>(number)), &SurfaceWidget::textChanged, this,
            [this, number] { UpdateAccessibleRow(number); });
    }
}

void Form1::BuildMarkers()
{
    if (markers_[1][1] != nullptr) {
        return;
    }
    SurfaceWidget* board = pictures_[1];
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        for (int element = 1; element <= BinCapacity; ++element) {
            QFrame* marker = RedSquare(board, MarkerLeft(bin), MarkerTop(element));
            marker->setObjectName(QStringLiteral("o%1(%2)").arg(bin).arg(element));
            marker->hide();
            markers_[static_cast<std::size_t>(bin)][static_cast<std::size_t>(element)] = marker;
        }
    }
    picture2_->raise();
}

QFrame* Form1::Marker(int bin, int element)
{
    BuildMarkers();
    return markers_.at(static_cast<std::size_t>(bin)).at(static_cast<std::size_t>(element));
}

Surface& Form1::Picture1()
{
    return *pictures_[1];
}
Surface& Form1::Picture3()
{
    return *pictures_[3];
}
Surface& Form1::Picture4()
{
    return *pictures_[4];
}

void Form1::MovePicture2(float left, float top)
{
    picture2_->move(pictures_[1]->ToWidget(left, top));
}

void Form1::SetPicture2Visible(bool visible)
{
    picture2_->setVisible(visible);
}

void Form1::SetMarkerVisible(int bin, int element, bool visible)
{
    Marker(bin, element)->setVisible(visible);
    UpdateBoardDescription();
}

void Form1::UpdateBoardDescription()
{
    // What a sighted student reads off the markers: the balls in each bin.
    QStringList counts;
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        counts << QStringLiteral("bin %1: %2").arg(bin).arg(handlers_.experiment.State.BinCount(bin));
    }
    const QString description = counts.join(QStringLiteral(", "));
    SurfaceWidget* board = pictures_[1];
    if (board->accessibleDescription() == description) {
        return; // Init hides 220 markers: one announcement, not 220
    }
    board->setAccessibleDescription(description);
    QAccessibleEvent changed(board, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void Form1::SetLabel1Caption(std::string_view text)
{
    const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    labels_[1]->setText(caption);
    // A screen reader hears the count with what it counts.
    labels_[1]->setAccessibleName(QStringLiteral("Number of Experiments: ") + caption);
}

void Form1::SetCommandEnabled(int command, bool enabled)
{
    Command(command)->setEnabled(enabled);
}

void Form1::SetTimer1Enabled(bool enabled)
{
    if (enabled) {
        timer1_.start();
    } else {
        timer1_.stop();
    }
}

void Form1::SetTimer1Interval(int milliseconds)
{
    // QTimer::setInterval restarts a running timer with the new period.
    timer1_.setInterval(milliseconds);
}

void Form1::SetMousePointer(MousePointer pointer)
{
    if (pointer == MousePointer::Hourglass) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        commands_[1]->setFocus();
    }
    // The platform may or may not report an activation when the window first appears.
    if (ProgramActivation::Instance().NoteActive(this)) {
        RunActivation();
    }
}

void Form1::RunActivation()
{
    handlers_.Form_Activate();
}

void Form1::paintEvent(QPaintEvent*)
{
    // The 220 markers are all hidden at first: they are built once the first frame is on the screen
    // (or earlier, the moment one is asked for), so that the window appears sooner.
    if (markers_[1][1] == nullptr) {
        QTimer::singleShot(0, this, &Form1::BuildMarkers);
    }
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.0));
    const int y = TwipsToPixels(kLine2Y);
    painter.drawLine(TwipsToPixels(kLine2X1), y, TwipsToPixels(kLine2X2), y);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closed by the frame while the help window stays open: the program lives on until that window
    // closes too, and the hidden board stops moving.
    timer1_.stop();
    QWidget::closeEvent(event);
}

void Form1::UpdateAccessibleRow(int pictureNumber)
{
    SurfaceWidget* surface = pictures_.at(static_cast<std::size_t>(pictureNumber));
    QList<SurfaceWidget::PrintedText> texts = surface->PrintedTexts();
    std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    QString row;
    QStringList values;
    for (const auto& printed : texts) {
        const int bin = qRound((printed.x - Experiment::RatioColumn(1)) / 2.0f) + 1;
        if (printed.x >= Experiment::RatioColumn(1) - 0.5f && bin >= 1 && bin <= kBinTotal) {
            values << QStringLiteral("bin %1 %2").arg(bin).arg(printed.text);
        } else {
            row += printed.text;
        }
    }
    if (!values.isEmpty()) {
        row += QStringLiteral(": ") + values.join(QStringLiteral(", "));
    }
    surface->setAccessibleDescription(row);
    QAccessibleEvent changed(surface, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void Form1::OpenHelpWindow()
{
    corvanta::OpenHelpWindow();
}

void Form1::ShowExitBox()
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvanta"), QStringLiteral("This software will exit."),
        QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    exitBoxPresenter(box);
}

void Form1::EndProgram()
{
    timer1_.stop();
    CloseHelpWindow();
    hide();
    programEnder();
}

} // namespace corvanta

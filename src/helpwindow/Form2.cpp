#include "Form2.h"

#include "HelpText.h"
#include "platform/LayoutFonts.h"
#include "platform/MemoryTuning.h"
#include "platform/ProgramActivation.h"
#include "platform/SurfaceWidget.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace corvanta {

namespace {

// Client area and its top-left corner on the screen, in twips.
constexpr int kClientWidthTwips = 9525;
constexpr int kClientHeightTwips = 4800;
constexpr int kLeftTwips = 3090;
constexpr int kTopTwips = 1665;

// The rule under the button row: from x 120 to x 9120 at y 360.
constexpr int kLine1X1Twips = 120;
constexpr int kLine1X2Twips = 9120;
constexpr int kLine1YTwips = 360;

QPointer<Form2>& HelpWindow()
{
    static QPointer<Form2> window;
    return window;
}

} // namespace

Form2::Form2()
    : QWidget(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf16(u" Corvanta\uFF3FHelp\uFF08Questions and Operation Method\uFF09\u3000"));
    setGeometry(TwipRect(kLeftTwips, kTopTwips, kClientWidthTwips, kClientHeightTwips));
    setFixedSize(TwipRect(0, 0, kClientWidthTwips, kClientHeightTwips).size());

    // The rule is created first so that the button, created after it, covers its right end.
    line1_ = new QWidget(this);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setBackgroundRole(QPalette::WindowText);
    line1_->setAutoFillBackground(true);
    line1_->setGeometry(TwipsToPixels(kLine1X1Twips), TwipsToPixels(kLine1YTwips),
        TwipsToPixels(kLine1X2Twips) - TwipsToPixels(kLine1X1Twips), 1);

    command1_ = new QPushButton(QStringLiteral("Close"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(TwipRect(8640, 0, 735, 375));
    connect(command1_, &QPushButton::clicked, this, &QWidget::close);

    // Scale in twips, white page, black text in the layout's face.
    picture1_ = new SurfaceWidget(this, 1.0, 1.0);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(TwipRect(120, 480, 9255, 4215));
    picture1_->setBackColor(Qt::white);
    picture1_->setTextFont(LayoutFont(11.25));

    setTabOrder(command1_, picture1_);
    command1_->setFocus(Qt::OtherFocusReason);

    connect(&ProgramActivation::Instance(), &ProgramActivation::activated, this, [this](QWidget* window) {
        if (window == this) {
            Form_Activate();
        }
    });
}

void Form2::Form_Activate()
{
    picture1_->Cls();
    for (const std::u8string_view line : kHelpLines) {
        picture1_->Print(HelpLineBytes(line));
    }
}

void Form2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Not every platform reports a focus change when a new window becomes active. Noting the
    // activation here draws the page on the first showing either way; a later notice of the same
    // activation then finds nothing changed and does not draw it again.
    if (!shownBefore_) {
        shownBefore_ = true;
        if (ProgramActivation::Instance().NoteActive(this)) {
            Form_Activate();
        }
    }
}

Form2* OpenHelpWindow()
{
    QPointer<Form2>& window = HelpWindow();
    if (window.isNull()) {
        window = new Form2;
        // Once the window is gone, hand its memory back (see ReturnFreedMemoryToTheSystem).
        QObject::connect(
            window, &QObject::destroyed, qApp, [] { QTimer::singleShot(0, qApp, &ReturnFreedMemoryToTheSystem); });
    }
    // A minimised help window comes back as it was; show() alone would leave it an icon.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window.data();
}

Form2* ExistingHelpWindow()
{
    return HelpWindow().data();
}

void CloseHelpWindow()
{
    QPointer<Form2>& window = HelpWindow();
    if (window.isNull()) {
        return;
    }
    window->close();
    // Closing only schedules the deletion; at the program's end no event loop may run it.
    delete window.data();
}

} // namespace corvanta

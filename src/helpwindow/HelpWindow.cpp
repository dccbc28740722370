#include "HelpWindow.h"

#include "HelpText.h"

#include "platform/LayoutFonts.h"
#include "platform/LayoutWidgets.h"
#include "platform/ProgramActivation.h"
#include "platform/SurfaceWidget.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QStringList>

namespace corvanta {

namespace {

QPointer<HelpWindow> theHelpWindow;

} // namespace

HelpWindow::HelpWindow()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr(" Corvanta\uFF3FHelp\uFF08Questions and Operation Method\uFF09\u3000"));
    setGeometry(twipRect(3090, 1665, 9525, 4800));
    setFixedSize(size());

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setGeometry(twipRect(8640, 0, 735, 375));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    addTitleRule(*this, 120, 9120, 360); // the button covers its right end

    page_ = new SurfaceWidget(this, 1.0, 1.0); // a scale of twips
    page_->setObjectName(QStringLiteral("page"));
    page_->setGeometry(twipRect(120, 480, 9255, 4215));
    setLayoutColour(*page_, qRgb(255, 255, 255)); // a printed page, whatever the desktop's style
    QFont pageFont = layoutFont(kHelpPagePoints);
    pageFont.setStretch(kHelpPageStretch);
    // The page is cleared before every print, so its text can be smooth.
    page_->setTextFont(pageFont, SurfaceWidget::TextEdges::Smooth);
    close->setFocus();

    onProgramActivation(*this, [this] { printPage(); });
}

void HelpWindow::printPage()
{
    page_->clear();
    const QStringList lines = tr(kHelpPage).split(QLatin1Char('\n'));
    for (const QString& line : std::as_const(lines)) {
        page_->printLine(line.toStdString());
    }
    page_->describe(lines.join(QLatin1Char('\n'))); // the page is a picture of text: a reader reads it whole
}

HelpWindow* HelpWindow::open()
{
    if (theHelpWindow.isNull()) {
        theHelpWindow = new HelpWindow;
    }
    // Under Wayland only the compositor raises or restores a window, but it puts a window shown anew on
    // top and makes it active: the one help window is hidden and shown again.
    if (theHelpWindow->isVisible() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        theHelpWindow->hide();
    }
    // A minimised help window comes back as it was; show() alone would leave it an icon.
    theHelpWindow->setWindowState(theHelpWindow->windowState() & ~Qt::WindowMinimized);
    theHelpWindow->show();
    theHelpWindow->raise();
    theHelpWindow->activateWindow();
    return theHelpWindow;
}

void HelpWindow::closeIfOpen()
{
    // close() only schedules the deletion, and no event loop may run it at the program's end.
    delete theHelpWindow.data();
}

} // namespace corvanta

#include "TestSupport.h"

#include "platform/LayoutFonts.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler previousHandler = nullptr;

// The headless platform warns on every raise(), which opening the help window does each time.
void DropRaiseNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message == QStringLiteral("This plugin does not support raise()")) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

} // namespace

// The help window's tests build real widgets in the layout's face.
bool corvanta::test::NeedsApplication()
{
    return true;
}

void corvanta::test::PrepareApplication()
{
    corvanta::RegisterLayoutFonts();
    previousHandler = qInstallMessageHandler(DropRaiseNotices);
}

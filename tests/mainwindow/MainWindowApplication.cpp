#include "TestSupport.h"

#include "platform/LayoutFonts.h"

#include <QtGlobal>

bool corvanta::test::NeedsApplication()
{
    return true;
}
void corvanta::test::PrepareApplication()
{
    corvanta::RegisterLayoutFonts();
}

#include "TestSupport.h"

#include "platform/LayoutFonts.h"

bool corvanta::test::NeedsApplication()
{
    return true;
}
void corvanta::test::PrepareApplication()
{
    corvanta::RegisterLayoutFonts();
}

#include "TestSupport.h"

// The experiment runs without any toolkit object.
bool corvanta::test::NeedsApplication()
{
    return false;
}
void corvanta::test::PrepareApplication() { }

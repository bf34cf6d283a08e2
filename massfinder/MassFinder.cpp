// MassFinder's module object.
#include "massfinder/MassFinder.h"

CMassFinder::CMassFinder(COlvarenNotificationInterface* pHost)
    : COlvarenModuleBase(pHost)
{
}

CMassFinder::~CMassFinder()
{
}

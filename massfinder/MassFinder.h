// MassFinder: the outline search tool. For now its module object.
#pragma once

#include "host/ModuleBase.h"

class CMassFinder : public COlvarenModuleBase
{
public:
    explicit CMassFinder(COlvarenNotificationInterface* pHost);
    virtual ~CMassFinder();
};

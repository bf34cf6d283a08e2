// CodeJumper: the F2 / Ctrl+F2 navigation tool. For now its module object
// with its (empty) settings section.
#pragma once

#include "host/ModuleBase.h"

class CCodeJumper : public COlvarenModuleBase
{
public:
    explicit CCodeJumper(COlvarenNotificationInterface* pHost);
    virtual ~CCodeJumper();

private:
    void LoadSettings();
    void SaveSettings();
};

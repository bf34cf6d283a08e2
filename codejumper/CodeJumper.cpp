// CodeJumper's module object: opens its settings section at construction and
// writes it back at destruction.
#include "codejumper/CodeJumper.h"

#include "settings/Settings.h"

CCodeJumper::CCodeJumper(COlvarenNotificationInterface* pHost)
    : COlvarenModuleBase(pHost)
{
    LoadSettings();
}

CCodeJumper::~CCodeJumper()
{
    SaveSettings();
}

void CCodeJumper::LoadSettings()
{
    pugi::xml_document doc;
    pugi::xml_node section;
    OpenSettingsSection("codejumper", FALSE, section, m_pHost, doc);
}

void CCodeJumper::SaveSettings()
{
    pugi::xml_document doc;
    pugi::xml_node section;
    if (OpenSettingsSection("codejumper", TRUE, section, m_pHost, doc))
        ::SaveSettings(doc, m_pHost);
}

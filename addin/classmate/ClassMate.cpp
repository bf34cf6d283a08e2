// ClassMate's module object: settings section at construction and
// destruction, and the tool call that starts the report.
#include "classmate/ClassMate.h"

#include "settings/Settings.h"

CClassMate::CClassMate(COlvarenNotificationInterface* pHost)
    : COlvarenModuleBase(pHost)
{
    LoadSettings();
}

CClassMate::~CClassMate()
{
    SaveSettings();
}

void CClassMate::OnToolInvoked(int /*toolParameter*/, CStringArray* arguments)
{
    if (IsToolCallFor(arguments, "ClassMate"))
        ShowClassHierarchy();
}

void CClassMate::LoadSettings()
{
    pugi::xml_document doc;
    pugi::xml_node section;
    OpenSettingsSection("classmate", FALSE, section, m_pHost, doc);
}

void CClassMate::SaveSettings()
{
    pugi::xml_document doc;
    pugi::xml_node section;
    if (OpenSettingsSection("classmate", TRUE, section, m_pHost, doc))
        ::SaveSettings(doc, m_pHost);
}

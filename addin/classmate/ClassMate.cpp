// ClassMate's module object: settings section at construction and
// destruction, and the tool call that starts the report.
#include "classmate/ClassMate.h"

#include "settings/SettingsSection.h"

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
    CSettingsSection section("classmate", m_pHost);
    section.Load();
}

void CClassMate::SaveSettings()
{
    CSettingsSection section("classmate", m_pHost);
    if (section.Recreate())
        section.Save();
}

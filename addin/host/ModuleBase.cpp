// The tool module base class: stores the host and does nothing by default.
#include "ModuleBase.h"

COlvarenModuleBase::COlvarenModuleBase(COlvarenNotificationInterface* pHost)
    : m_pHost(pHost)
{
}

COlvarenModuleBase::~COlvarenModuleBase()
{
}

void COlvarenModuleBase::OnOutlineNotification(void* /*subject*/, int /*code*/)
{
}

void COlvarenModuleBase::OnTaskNotification(void* /*subject*/, int /*code*/)
{
}

void COlvarenModuleBase::OnTaskShutdown()
{
}

void COlvarenModuleBase::OnToolInvoked(int /*toolParameter*/, CStringArray* /*arguments*/)
{
}

BOOL COlvarenModuleBase::OnKeyDown(int /*modifiers*/, int /*virtualKey*/)
{
    return FALSE;
}

BOOL COlvarenModuleBase::IsToolCallFor(const CStringArray* arguments, const char* toolName)
{
    if (arguments == NULL || arguments->GetSize() < 2)
        return FALSE;
    return arguments->GetAt(1).CompareNoCase(toolName) == 0;
}

// The host's own settings section, module_host, with its one key debug_mode.
#include "host/OlvarenHost.h"
#include "settings/SettingsSection.h"

namespace
{
const char kSection[] = "module_host";
}  // namespace

void COlvarenNotificationInterface::LoadHostSettings()
{
    CSettingsSection section(kSection, this);
    if (!section.Load())
        return;
    section.ReadBool("//module_host/property[@name = 'debug_mode']", m_debugMode);
}

void COlvarenNotificationInterface::SaveHostSettings()
{
    CSettingsSection section(kSection, this);
    if (!section.Recreate())
        return;
    section.AppendBoolProperty("debug_mode", m_debugMode == 1);
    section.Save();
}

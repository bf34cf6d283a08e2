// Opening one section of the settings file, and saving a writer's document.
#include "settings/Settings.h"

#include "host/OlvarenHost.h"
#include "settings/SettingsFile.h"

BOOL OpenSettingsSection(const char* sectionName, BOOL recreate, pugi::xml_node& section,
                         const COlvarenNotificationInterface* host, pugi::xml_document& doc)
{
    pugi::xml_node root;
    if (LoadSettingsDocument(doc, host->m_settingsPath))
        root = doc.child("everything");
    if (!root)
    {
        root = doc.append_child("everything");
        root.append_attribute("progID").set_value("Olvaren");
    }

    section = root.child(sectionName);
    if (section && recreate)
    {
        root.remove_child(section);
        section = pugi::xml_node();
    }
    if (!section)
        section = root.append_child(sectionName);
    return section ? TRUE : FALSE;
}

BOOL SaveSettings(const pugi::xml_document& doc, const COlvarenNotificationInterface* host)
{
    return SaveSettingsDocument(doc, host->m_settingsPath);
}

// The host's own settings section, module_host, with its one key debug_mode.
#include "host/OlvarenHost.h"
#include "settings/Settings.h"

void COlvarenNotificationInterface::LoadHostSettings()
{
    pugi::xml_document doc;
    pugi::xml_node section;
    if (!OpenSettingsSection("module_host", FALSE, section, this, doc))
        return;

    // select_single_node is the pugixml 1.2 name; later releases keep it as
    // a deprecated alias of select_node.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    pugi::xpath_node property = doc.select_single_node("//module_host/property[@name = 'debug_mode']");
#pragma GCC diagnostic pop
    if (property.node())
        m_debugMode = property.node().attribute("value").as_bool() ? 1 : 0;
}

void COlvarenNotificationInterface::SaveHostSettings()
{
    pugi::xml_document doc;
    pugi::xml_node section;
    if (!OpenSettingsSection("module_host", TRUE, section, this, doc))
        return;

    pugi::xml_node property = section.append_child("property");
    property.append_attribute("name").set_value("debug_mode");
    property.append_attribute("value").set_value(m_debugMode == 1 ? "true" : "false");
    SaveSettings(doc, this);
}

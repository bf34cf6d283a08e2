// CSettingsSection: a section opened through OpenSettingsSection, its keys
// read with an XPath query on the whole document and written as property
// elements.
#include "settings/SettingsSection.h"

#include "settings/Settings.h"

CSettingsSection::CSettingsSection(const char* sectionName, const COlvarenNotificationInterface* host)
    : m_sectionName(sectionName), m_pHost(host)
{
}

BOOL CSettingsSection::Load()
{
    return OpenSettingsSection(m_sectionName, FALSE, m_section, m_pHost, m_doc);
}

BOOL CSettingsSection::Recreate()
{
    return OpenSettingsSection(m_sectionName, TRUE, m_section, m_pHost, m_doc);
}

BOOL CSettingsSection::Save(PFN_MERGE_SETTINGS_SECTION pfnMerge)
{
    return SaveSettings(m_doc, m_pHost, pfnMerge);
}

BOOL CSettingsSection::ReadBool(const char* query, int& value) const
{
    // select_single_node is the pugixml 1.2 name; later releases keep it as
    // a deprecated alias of select_node.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    pugi::xml_node property = m_doc.select_single_node(query).node();
#pragma GCC diagnostic pop
    if (!property)
        return FALSE;
    value = property.attribute("value").as_bool() ? 1 : 0;
    return TRUE;
}

void CSettingsSection::AppendBoolProperty(const char* name, BOOL value)
{
    pugi::xml_node property = m_section.append_child("property");
    property.append_attribute("name").set_value(name);
    property.append_attribute("value").set_value(value ? "true" : "false");
}

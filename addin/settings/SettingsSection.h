// One party's section of the settings file, the one shape every reader and
// writer uses: a reader Load()s and looks its keys up, a writer Recreate()s
// the section, appends its keys and Save()s. Each goes through
// OpenSettingsSection into a document of its own that lives as long as the
// object.
#pragma once

#include <afx.h>

#include <pugixml.hpp>

#include "settings/Settings.h"

class COlvarenNotificationInterface;

class CSettingsSection
{
public:
    CSettingsSection(const char* sectionName, const COlvarenNotificationInterface* host);

    // The reader's open: an absent section is supplied empty, in memory only.
    BOOL Load();
    // The writer's open: any earlier section is removed and an empty one
    // appended at the end of the root.
    BOOL Recreate();
    // Saves a writer's document (SaveSettings), merging the section with the
    // file's under the lock when `pfnMerge` is given; the result is for
    // tests, the modules do not look at it.
    BOOL Save(PFN_MERGE_SETTINGS_SECTION pfnMerge = NULL);

    // The first element in the whole document that `query` (an XPath such as
    // "//module_host/property[@name = 'debug_mode']") finds: `value` becomes
    // 1 when its "value" attribute reads as true, else 0. Without a match
    // `value` keeps its value and the result is FALSE.
    BOOL ReadBool(const char* query, int& value) const;
    // Appends <property name="NAME" value="true|false" /> to the section.
    void AppendBoolProperty(const char* name, BOOL value);

    pugi::xml_node Node() const { return m_section; }

private:
    CSettingsSection(const CSettingsSection&);
    CSettingsSection& operator=(const CSettingsSection&);

    const char* m_sectionName;
    const COlvarenNotificationInterface* m_pHost;
    pugi::xml_document m_doc;
    pugi::xml_node m_section;
};

// The settings sections: every party (the host and each tool module) loads
// the settings file afresh, finds or re-creates its own section and, as a
// writer, saves the whole document back at once.
#pragma once

#include <afx.h>

#include <pugixml.hpp>

#include "settings/SettingsMessages.h"

class COlvarenNotificationInterface;

// Merges a section as the file holds it at the save (`stored`, null when
// absent) into the writer's copy `written`, under the settings lock.
typedef void (*PFN_MERGE_SETTINGS_SECTION)(pugi::xml_node written, const pugi::xml_node& stored);

// Loads `doc` from host->m_settingsPath and finds the root "everything" (a
// new one with progID="Olvaren" when the file is missing or unusable) and
// its child `sectionName`. With `recreate` an existing section is removed
// and a new, empty one appended at the end of the root; without it a missing
// section is appended. TRUE when `section` exists.
BOOL OpenSettingsSection(const char* sectionName, BOOL recreate, pugi::xml_node& section,
                         const COlvarenNotificationInterface* host, pugi::xml_document& doc);

// Saves a writer's document to host->m_settingsPath (see SettingsFile.h):
// after OpenSettingsSection(..., TRUE, ...) on `doc` only the re-created
// sections are written into the file as it stands at the save (under the
// settings lock); any other document is written whole.
BOOL SaveSettings(const pugi::xml_document& doc, const COlvarenNotificationInterface* host,
                  PFN_MERGE_SETTINGS_SECTION pfnMerge = NULL);

// The same two operations on a settings file named by its path (the host's
// m_settingsPath is one such path).
BOOL OpenSettingsSectionAt(const CString& settingsPath, const char* sectionName, BOOL recreate,
                           pugi::xml_node& section, pugi::xml_document& doc);
BOOL SaveSettingsAt(const pugi::xml_document& doc, const CString& settingsPath,
                    PFN_MERGE_SETTINGS_SECTION pfnMerge = NULL);

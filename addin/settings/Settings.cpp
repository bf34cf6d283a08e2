// Opening one section of the settings file, and saving a writer's document.
// A writer's pattern is OpenSettingsSection(name, TRUE, ...), fill the
// section, SaveSettings(doc, host). The open notes which section the writer
// re-created in its document; the save then writes only that section into
// the file as it stands at the moment of the save (re-read under the
// settings lock), so two IDE instances saving at once keep each other's
// sections.
#include "settings/Settings.h"

#include <string.h>

#include "host/OlvarenHost.h"
#include "settings/SettingsFile.h"

namespace
{
// The sections re-created in one writer's document. Documents live on their
// writers' stacks, so a record also holds the section nodes it names: a
// record whose nodes are no longer under the document's root is stale. The
// records are plain data, usable before and after every static constructor
// and destructor of the module (the host saves its section at unload).
const int MAX_NOTED_SECTIONS = 4;
const int MAX_SECTION_NAME = 64;
struct CRecreatedSections
{
    const pugi::xml_document* m_pDoc;
    int m_count;          // -1 when more were re-created than a record holds
    char m_names[MAX_NOTED_SECTIONS][MAX_SECTION_NAME];
    pugi::xml_node_struct* m_nodes[MAX_NOTED_SECTIONS];
};

// Writers whose save is pending. Everything runs on the IDE's thread, and a
// writer saves right after opening its section, so a few records suffice; the
// oldest is dropped when they are used up (that writer then saves its whole
// document, as without a record).
const int MAX_PENDING_WRITERS = 8;
CRecreatedSections g_pendingWriters[MAX_PENDING_WRITERS];
int g_nextPendingWriter = 0;

CRecreatedSections* FindPendingWriter(const pugi::xml_document* pDoc)
{
    for (int i = 0; i < MAX_PENDING_WRITERS; ++i)
    {
        if (g_pendingWriters[i].m_pDoc == pDoc)
            return &g_pendingWriters[i];
    }
    return NULL;
}

void ForgetPendingWriter(CRecreatedSections* pRecord)
{
    pRecord->m_pDoc = NULL;
    pRecord->m_count = 0;
}

void NoteRecreatedSection(const pugi::xml_document* pDoc, const char* sectionName, const pugi::xml_node& section)
{
    CRecreatedSections* pRecord = FindPendingWriter(pDoc);
    if (pRecord == NULL)
    {
        pRecord = &g_pendingWriters[g_nextPendingWriter];
        g_nextPendingWriter = (g_nextPendingWriter + 1) % MAX_PENDING_WRITERS;
        ForgetPendingWriter(pRecord);
        pRecord->m_pDoc = pDoc;
    }
    if (pRecord->m_count < 0)
        return;
    if (pRecord->m_count == MAX_NOTED_SECTIONS || strlen(sectionName) >= MAX_SECTION_NAME)
    {
        pRecord->m_count = -1;
        return;
    }
    strcpy(pRecord->m_names[pRecord->m_count], sectionName);
    pRecord->m_nodes[pRecord->m_count] = section.internal_object();
    ++pRecord->m_count;
}

// TRUE when every noted section node still stands under the document's root.
BOOL IsCurrent(const CRecreatedSections& record, const pugi::xml_document& doc)
{
    if (record.m_count <= 0)
        return FALSE;
    pugi::xml_node root = doc.child("everything");
    for (int i = 0; i < record.m_count; ++i)
    {
        BOOL bFound = FALSE;
        for (pugi::xml_node child = root.first_child(); child && !bFound; child = child.next_sibling())
            bFound = child.internal_object() == record.m_nodes[i] && strcmp(child.name(), record.m_names[i]) == 0;
        if (!bFound)
            return FALSE;
    }
    return TRUE;
}
}  // namespace

BOOL OpenSettingsSectionAt(const CString& settingsPath, const char* sectionName, BOOL recreate,
                           pugi::xml_node& section, pugi::xml_document& doc)
{
    // The document is loaded afresh: what was noted for it before is gone.
    CRecreatedSections* pOld = FindPendingWriter(&doc);
    if (pOld != NULL)
        ForgetPendingWriter(pOld);

    pugi::xml_node root;
    if (LoadSettingsDocument(doc, settingsPath))
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
    if (section && recreate)
        NoteRecreatedSection(&doc, sectionName, section);
    return section ? TRUE : FALSE;
}

BOOL SaveSettingsAt(const pugi::xml_document& doc, const CString& settingsPath, PFN_MERGE_SETTINGS_SECTION pfnMerge)
{
    CRecreatedSections* pRecord = FindPendingWriter(&doc);
    if (pRecord == NULL || !IsCurrent(*pRecord, doc))
    {
        if (pRecord != NULL)
            ForgetPendingWriter(pRecord);
        return SaveSettingsDocument(doc, settingsPath);
    }
    CStringArray names;
    for (int i = 0; i < pRecord->m_count; ++i)
        names.Add(pRecord->m_names[i]);
    ForgetPendingWriter(pRecord);
    return SaveSettingsSections(doc, names, settingsPath, pfnMerge);
}

BOOL OpenSettingsSection(const char* sectionName, BOOL recreate, pugi::xml_node& section,
                         const COlvarenNotificationInterface* host, pugi::xml_document& doc)
{
    return OpenSettingsSectionAt(host->m_settingsPath, sectionName, recreate, section, doc);
}

BOOL SaveSettings(const pugi::xml_document& doc, const COlvarenNotificationInterface* host,
                  PFN_MERGE_SETTINGS_SECTION pfnMerge)
{
    return SaveSettingsAt(doc, host->m_settingsPath, pfnMerge);
}

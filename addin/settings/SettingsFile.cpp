// Reading and writing the settings file as a whole: the load that treats an
// unparseable file as absent, and the locked save through a unique, flushed
// temporary file that sets an unparseable file aside first. The file-system
// calls themselves are the platform's (SettingsFileSystem.h).
#include "settings/SettingsFile.h"

#include <string.h>

#include <windows.h>

#include <string>

#include "settings/SettingsFileSystem.h"
#include "settings/SettingsLock.h"

namespace
{
// How long a save waits for another IDE instance's save to finish.
const int SETTINGS_LOCK_TIMEOUT_MS = 2000;

// The file could be read, but its content is not a usable document.
BOOL IsUnparseable(pugi::xml_parse_status status)
{
    switch (status)
    {
    case pugi::status_ok:
    case pugi::status_file_not_found:
    case pugi::status_io_error:
    case pugi::status_out_of_memory:
    case pugi::status_internal_error:
        return FALSE;
    default:
        return TRUE;
    }
}

// Parses a file's content with the default options, as load_file would.
pugi::xml_parse_status ParseSettings(pugi::xml_document& doc, const std::string& content)
{
    pugi::xml_parse_status status = doc.load_buffer(content.data(), content.size()).status;
    if (status != pugi::status_ok)
        doc.reset();   // whatever the parser built before an error is not kept
    return status;
}

// pugixml's writer interface into a string.
class CStringWriter : public pugi::xml_writer
{
public:
    explicit CStringWriter(std::string& out) : m_out(out) {}
    virtual void write(const void* data, size_t size) { m_out.append(static_cast<const char*>(data), size); }

private:
    std::string& m_out;
};

// Below this depth of elements a document is saved with pugixml's default
// tab indentation; a deeper one (only a foreign section can be) is saved
// without indentation, since every line's indentation grows with its depth
// and would make the file grow with the square of it.
const int MAX_INDENTED_DEPTH = 64;

BOOL IsDeeperThan(const pugi::xml_node& top, int limit)
{
    int depth = 0;
    pugi::xml_node node = top.first_child();
    if (node)
        depth = 1;
    while (node)
    {
        if (depth > limit)
            return TRUE;
        if (node.first_child())
        {
            node = node.first_child();
            ++depth;
            continue;
        }
        while (node && !node.next_sibling())
        {
            node = node.parent();
            --depth;
            if (node == top)
                return FALSE;
        }
        if (node)
            node = node.next_sibling();
    }
    return FALSE;
}

// Writes the document into the save's temporary file "<name>.tmp" beside
// `fileName`, flushed to the disk, with the permissions of `fileName`. Only
// the lock holder writes it, so one fixed name serves; one left behind by a
// save that crashed is removed first. FALSE, with no temporary file left,
// when it cannot be written completely.
// The bytes a save writes for the document.
std::string SettingsText(const pugi::xml_document& doc)
{
    std::string content;
    CStringWriter writer(content);
    unsigned int flags = IsDeeperThan(doc, MAX_INDENTED_DEPTH) ? pugi::format_raw : pugi::format_default;
    doc.save(writer, PUGIXML_TEXT("\t"), flags);
    return content;
}

BOOL WriteTemporaryFile(const std::string& content, const CString& fileName, const CString& tempName)
{
    RemoveSettingsFile(tempName);
    return WriteNewSettingsFile(tempName, content, fileName);
}

// Keeps a file that does not parse as "<name>.bad", or ".bad.1", ".bad.2"...
// when that is taken: an earlier broken file is never overwritten.
void SetBrokenFileAside(const CString& fileName)
{
    for (int n = 0; n < 1000; ++n)
    {
        CString badName = fileName + ".bad";
        if (n > 0)
            badName.Format("%s.bad.%d", (LPCSTR)fileName, n);
        if (SetSettingsFileAside(fileName, badName))
            return;
        std::string ignored;
        if (ReadSettingsFile(badName, ignored) == SETTINGS_FILE_MISSING)
            return;   // not taken, yet the step failed: give up
    }
}

// The first root element "everything" of `doc`, created (with progID) when
// there is none.
pugi::xml_node SettingsRoot(pugi::xml_document& doc)
{
    pugi::xml_node root = doc.child("everything");
    if (!root)
    {
        root = doc.append_child("everything");
        root.append_attribute("progID").set_value("Olvaren");
    }
    return root;
}

// The last child of `root` named `name`: the one a writer re-created.
pugi::xml_node LastChildNamed(const pugi::xml_node& root, const char* name)
{
    for (pugi::xml_node child = root.last_child(); child; child = child.previous_sibling())
    {
        if (strcmp(child.name(), name) == 0)
            return child;
    }
    return pugi::xml_node();
}

// The description of the last failed save, plain data so that it serves
// before and after every static constructor and destructor.
char g_lastSaveError[512];

// A save that fails for a reason the user can mend (a busy lock, a
// read-only file) is described on the debug channel, once per save, so that
// a host (the front end) can show it; the add-in itself shows nothing.
BOOL SaveFailed(const char* format, const CString& fileName)
{
    CString text;
    text.Format(format, (LPCSTR)fileName);
    strncpy(g_lastSaveError, text, sizeof(g_lastSaveError) - 1);
    g_lastSaveError[sizeof(g_lastSaveError) - 1] = '\0';
    OutputDebugStringA(CString(SETTINGS_NOT_SAVED_PREFIX) + text + "\n");
    return FALSE;
}

// The save proper, under the lock: re-read the file, merge or take the
// writer's document, write, flush and rename.
BOOL SaveUnderLock(const pugi::xml_document& doc, const CStringArray* pSections,
                   PFN_MERGE_SETTINGS_SECTION pfnMerge, const CString& settingsPath)
{
    g_lastSaveError[0] = '\0';
    if (settingsPath.IsEmpty())
        return FALSE;
    CString fileName = ResolveSettingsLink(SettingsFileSystemPath(settingsPath));

    CSettingsLock lock;
    if (!lock.Acquire(fileName, SETTINGS_LOCK_TIMEOUT_MS))
    {
        // A lock file that cannot be made (no such folder) fails as quietly as
        // a settings file that cannot be opened; only a busy lock is news.
        if (!lock.WasBusy())
            return FALSE;
        return SaveFailed("%s is locked by another instance; settings not saved", fileName);
    }
    if (IsSettingsFileReadOnly(fileName))
        return SaveFailed("%s is read-only; settings not saved", fileName);

    std::string content;
    SettingsFileRead read = ReadSettingsFile(fileName, content);
    if (read == SETTINGS_FILE_NOT_REGULAR || read == SETTINGS_FILE_UNREADABLE)
        return FALSE;   // a directory or FIFO, or a file this save cannot read, is not replaced
    pugi::xml_document current;
    BOOL bUnparseable = FALSE;
    BOOL bParsed = FALSE;
    if (read == SETTINGS_FILE_READ)
    {
        pugi::xml_parse_status status = ParseSettings(current, content);
        bParsed = status == pugi::status_ok;
        bUnparseable = IsUnparseable(status);
    }

    const pugi::xml_document* pOut = &doc;
    if (pSections != NULL)
    {
        if (!bParsed)
            current.reset();
        pugi::xml_node root = SettingsRoot(current);
        pugi::xml_node writerRoot = doc.child("everything");
        for (INT_PTR i = 0; i < pSections->GetSize(); ++i)
        {
            const CString& name = pSections->GetAt(i);
            pugi::xml_node old = root.child(name);
            pugi::xml_node written = LastChildNamed(writerRoot, name);
            pugi::xml_node copy;
            if (written)
                copy = root.append_copy(written);
            if (copy && pfnMerge != NULL)
                pfnMerge(copy, old);
            if (old)
                root.remove_child(old);
        }
        pOut = &current;
    }

    // A save that changes nothing (the section saved again, as it was, last
    // in the root) leaves the file as it is: no write, no flush to the disk.
    std::string newContent = SettingsText(*pOut);
    if (read == SETTINGS_FILE_READ && newContent == content)
        return TRUE;

    CString tempName = fileName + ".tmp";
    if (!WriteTemporaryFile(newContent, fileName, tempName))
        return FALSE;

    // A file that does not parse is kept for the user before it is replaced.
    // Under the lock, with every writer renaming complete files into place,
    // what fails to parse here is really broken, never a file being replaced.
    if (bUnparseable)
        SetBrokenFileAside(fileName);

    if (!ReplaceSettingsFile(tempName, fileName))
    {
        RemoveSettingsFile(tempName);
        return FALSE;
    }
    FlushSettingsFolderOf(fileName);
    return TRUE;
}
}  // namespace

CSettingsLoadStatus LoadSettingsDocument(pugi::xml_document& doc, const CString& settingsPath)
{
    CSettingsLoadStatus result;
    doc.reset();
    if (settingsPath.IsEmpty())
    {
        result.m_description = "no settings file (the application-data folder is unknown)";
        return result;
    }
    std::string content;
    switch (ReadSettingsFile(SettingsFileSystemPath(settingsPath), content))
    {
    case SETTINGS_FILE_READ:
        break;
    case SETTINGS_FILE_MISSING:
        result.m_kind = CSettingsLoadStatus::MISSING;
        result.m_description.Format("%s: not found", (LPCSTR)settingsPath);
        return result;
    case SETTINGS_FILE_NOT_REGULAR:
        result.m_kind = CSettingsLoadStatus::NOT_REGULAR;
        result.m_description.Format("%s: not a regular file", (LPCSTR)settingsPath);
        return result;
    default:
        result.m_kind = CSettingsLoadStatus::UNREADABLE;
        result.m_description.Format("%s: cannot be read", (LPCSTR)settingsPath);
        return result;
    }
    pugi::xml_parse_result parsed = doc.load_buffer(content.data(), content.size());
    if (parsed.status != pugi::status_ok)
    {
        doc.reset();   // whatever the parser built before an error is not kept
        result.m_kind = CSettingsLoadStatus::UNPARSEABLE;
        result.m_description.Format("%s: not well-formed XML (%s) at offset %ld", (LPCSTR)settingsPath,
                                    parsed.description(), static_cast<long>(parsed.offset));
        return result;
    }
    result.m_kind = CSettingsLoadStatus::LOADED;
    return result;
}

BOOL SaveSettingsDocument(const pugi::xml_document& doc, const CString& settingsPath)
{
    return SaveUnderLock(doc, NULL, NULL, settingsPath);
}

BOOL SaveSettingsSections(const pugi::xml_document& doc, const CStringArray& sections,
                          const CString& settingsPath, PFN_MERGE_SETTINGS_SECTION pfnMerge)
{
    return SaveUnderLock(doc, &sections, pfnMerge, settingsPath);
}

const char* LastSettingsSaveError()
{
    return g_lastSaveError;
}

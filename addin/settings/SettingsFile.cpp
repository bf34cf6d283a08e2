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
const int SETTINGS_LOCK_TIMEOUT_MS = 5000;

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

// Writes the document into a new file of its own beside `fileName`, flushed
// to the disk, and names it in `tempName`; or reports FALSE and leaves no
// file of its own behind. The name is unique per process and attempt, so two
// instances never write into one temporary file.
BOOL WriteTemporaryFile(const pugi::xml_document& doc, const CString& fileName, CString& tempName)
{
    static unsigned int s_counter = 0;
    std::string content;
    CStringWriter writer(content);
    doc.save(writer);
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        tempName.Format("%s.%lu.%u.tmp", (LPCSTR)fileName, static_cast<unsigned long>(GetCurrentProcessId()),
                        ++s_counter);
        std::string existing;
        if (ReadSettingsFile(tempName, existing) != SETTINGS_FILE_MISSING)
            continue;
        return WriteNewSettingsFile(tempName, content);
    }
    return FALSE;
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

// The save proper, under the lock: re-read the file, merge or take the
// writer's document, write, flush and rename.
BOOL SaveUnderLock(const pugi::xml_document& doc, const CStringArray* pSections, const CString& settingsPath)
{
    if (settingsPath.IsEmpty())
        return FALSE;
    CString fileName = SettingsFileSystemPath(settingsPath);

    CSettingsLock lock;
    if (!lock.Acquire(fileName, SETTINGS_LOCK_TIMEOUT_MS))
        return FALSE;

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
            if (old)
                root.remove_child(old);
            pugi::xml_node written = LastChildNamed(writerRoot, name);
            if (written)
                root.append_copy(written);
        }
        pOut = &current;
    }

    CString tempName;
    if (!WriteTemporaryFile(*pOut, fileName, tempName))
        return FALSE;

    // A file that does not parse is kept for the user before it is replaced.
    // Under the lock, with every writer renaming complete files into place,
    // what fails to parse here is really broken, never a file being replaced.
    if (bUnparseable)
        ReplaceSettingsFile(fileName, fileName + ".bad");

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
    return SaveUnderLock(doc, NULL, settingsPath);
}

BOOL SaveSettingsSections(const pugi::xml_document& doc, const CStringArray& sections,
                          const CString& settingsPath)
{
    return SaveUnderLock(doc, &sections, settingsPath);
}

// Reading and writing the settings file as a whole: the path mapping, the
// load that treats an unparseable file as absent, and the save through a
// temporary file that sets an unparseable file aside first.
#include "settings/SettingsFile.h"

#include <stdio.h>

#include <windows.h>

namespace
{
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

BOOL ReplaceFileWith(const CString& source, const CString& target)
{
#ifdef _WIN32
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING) ? TRUE : FALSE;
#else
    return rename(source, target) == 0 ? TRUE : FALSE;
#endif
}

// Writes the document completely into a new file, or reports FALSE and
// leaves no file of its own behind.
BOOL WriteDocument(const pugi::xml_document& doc, const CString& fileName)
{
    FILE* file = fopen(fileName, "wb");
    if (file == NULL)
        return FALSE;
    pugi::xml_writer_file writer(file);
    doc.save(writer);
    BOOL bWritten = (fflush(file) == 0 && ferror(file) == 0) ? TRUE : FALSE;
    if (fclose(file) != 0)
        bWritten = FALSE;
    if (!bWritten)
        remove(fileName);
    return bWritten;
}
}  // namespace

CString SettingsFileSystemPath(const CString& path)
{
#ifdef _WIN32
    return path;
#else
    CString mapped(path);
    mapped.Replace('\\', '/');
    return mapped;
#endif
}

BOOL LoadSettingsDocument(pugi::xml_document& doc, const CString& settingsPath)
{
    pugi::xml_parse_result result = doc.load_file(SettingsFileSystemPath(settingsPath));
    if (result.status == pugi::status_ok)
        return TRUE;
    // Whatever the parser built before an error is not kept.
    doc.reset();
    return FALSE;
}

BOOL SaveSettingsDocument(const pugi::xml_document& doc, const CString& settingsPath)
{
    if (settingsPath.IsEmpty())
        return FALSE;

    CString fileName = SettingsFileSystemPath(settingsPath);
    CString tempName = fileName + ".tmp";
    if (!WriteDocument(doc, tempName))
        return FALSE;

    // A file that does not parse is kept for the user before it is replaced.
    pugi::xml_document current;
    if (IsUnparseable(current.load_file(fileName).status))
        ReplaceFileWith(fileName, fileName + ".bad");

    if (!ReplaceFileWith(tempName, fileName))
    {
        remove(tempName);
        return FALSE;
    }
    return TRUE;
}

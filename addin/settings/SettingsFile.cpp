// Reading and writing the settings file as a whole: the path mapping, the
// load that reads only regular files and treats an unparseable file as
// absent, and the locked save through a unique, flushed temporary file that
// sets an unparseable file aside first.
#include "settings/SettingsFile.h"

#include <stdio.h>
#include <string.h>

#include <windows.h>

#ifdef _WIN32
#include <io.h>
#else
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <string>

#include "settings/SettingsLock.h"

namespace
{
// How long a save waits for another IDE instance's save to finish.
const int SETTINGS_LOCK_TIMEOUT_MS = 5000;

enum FileRead
{
    FILE_READ,          // the whole content is in the buffer
    FILE_MISSING,
    FILE_NOT_REGULAR,   // a directory, FIFO, device...
    FILE_UNREADABLE     // no permission, read error
};

// Reads the whole file when it is a regular one. The name is checked first
// and opened without blocking, and the opened descriptor is checked again, so
// a FIFO never stalls the IDE and a directory is never read as a file.
FileRead ReadRegularFile(const CString& fileName, std::string& content)
{
    content.clear();
#ifdef _WIN32
    DWORD attributes = GetFileAttributesA(fileName);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return FILE_MISSING;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return FILE_NOT_REGULAR;
    HANDLE hFile = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FILE_UNREADABLE;
    if (GetFileType(hFile) != FILE_TYPE_DISK)
    {
        CloseHandle(hFile);
        return FILE_NOT_REGULAR;
    }
    char chunk[65536];
    DWORD got = 0;
    BOOL bOk;
    while ((bOk = ReadFile(hFile, chunk, sizeof(chunk), &got, NULL)) && got > 0)
        content.append(chunk, got);
    CloseHandle(hFile);
    return bOk ? FILE_READ : FILE_UNREADABLE;
#else
    struct stat st;
    if (stat(fileName, &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FILE_MISSING : FILE_UNREADABLE;
    if (!S_ISREG(st.st_mode))
        return FILE_NOT_REGULAR;
    int fd = open(fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? FILE_MISSING : FILE_UNREADABLE;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        close(fd);
        return FILE_NOT_REGULAR;
    }
    char chunk[65536];
    for (;;)
    {
        ssize_t got = read(fd, chunk, sizeof(chunk));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
        {
            close(fd);
            content.clear();
            return FILE_UNREADABLE;
        }
        if (got == 0)
            break;
        content.append(chunk, static_cast<size_t>(got));
    }
    close(fd);
    return FILE_READ;
#endif
}

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

BOOL ReplaceFileWith(const CString& source, const CString& target)
{
#ifdef _WIN32
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? TRUE : FALSE;
#else
    return rename(source, target) == 0 ? TRUE : FALSE;
#endif
}

// pugixml's writer interface over a POSIX descriptor, remembering a failure.
#ifndef _WIN32
class CDescriptorWriter : public pugi::xml_writer
{
public:
    explicit CDescriptorWriter(int fd) : m_fd(fd), m_bFailed(FALSE) {}
    virtual void write(const void* data, size_t size)
    {
        const char* p = static_cast<const char*>(data);
        while (size > 0 && !m_bFailed)
        {
            ssize_t done = ::write(m_fd, p, size);
            if (done < 0 && errno == EINTR)
                continue;
            if (done <= 0)
            {
                m_bFailed = TRUE;
                break;
            }
            p += done;
            size -= static_cast<size_t>(done);
        }
    }
    BOOL Failed() const { return m_bFailed; }

private:
    int m_fd;
    BOOL m_bFailed;
};
#endif

// Writes the document into a new file of its own beside `fileName`, flushed
// to the disk, and names it in `tempName`; or reports FALSE and leaves no
// file of its own behind. The name is unique per process and attempt, so two
// instances never write into one temporary file.
BOOL WriteTemporaryFile(const pugi::xml_document& doc, const CString& fileName, CString& tempName)
{
    static unsigned int s_counter = 0;
#ifdef _WIN32
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        tempName.Format("%s.%lu.%u.tmp", (LPCSTR)fileName, GetCurrentProcessId(), ++s_counter);
        HANDLE hFile = CreateFileA(tempName, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
        if (hFile == INVALID_HANDLE_VALUE)
        {
            if (GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return FALSE;
        }
        CloseHandle(hFile);
        FILE* file = fopen(tempName, "wb");
        BOOL bWritten = FALSE;
        if (file != NULL)
        {
            pugi::xml_writer_file writer(file);
            doc.save(writer);
            bWritten = (fflush(file) == 0 && ferror(file) == 0 &&
                        FlushFileBuffers((HANDLE)_get_osfhandle(_fileno(file)))) ? TRUE : FALSE;
            if (fclose(file) != 0)
                bWritten = FALSE;
        }
        if (!bWritten)
            DeleteFileA(tempName);
        return bWritten;
    }
    return FALSE;
#else
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        tempName.Format("%s.%ld.%u.tmp", (LPCSTR)fileName, static_cast<long>(getpid()), ++s_counter);
        int fd = open(tempName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0)
        {
            if (errno == EEXIST)
                continue;
            return FALSE;
        }
        CDescriptorWriter writer(fd);
        doc.save(writer);
        BOOL bWritten = (!writer.Failed() && fsync(fd) == 0) ? TRUE : FALSE;
        if (close(fd) != 0)
            bWritten = FALSE;
        if (!bWritten)
            unlink(tempName);
        return bWritten;
    }
    return FALSE;
#endif
}

// After a rename the folder's entry is flushed too, so the new name survives
// a crash of the machine.
void FlushFolderOf(const CString& fileName)
{
#ifndef _WIN32
    int slash = fileName.ReverseFind('/');
    CString folder = slash < 0 ? CString(".") : (slash == 0 ? CString("/") : fileName.Left(slash));
    int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
    {
        fsync(fd);
        close(fd);
    }
#else
    (void)fileName;
#endif
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
    FileRead read = ReadRegularFile(fileName, content);
    if (read == FILE_NOT_REGULAR || read == FILE_UNREADABLE)
        return FALSE;   // a directory or FIFO, or a file this save cannot read, is not replaced
    pugi::xml_document current;
    BOOL bUnparseable = FALSE;
    BOOL bParsed = FALSE;
    if (read == FILE_READ)
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
        ReplaceFileWith(fileName, fileName + ".bad");

    if (!ReplaceFileWith(tempName, fileName))
    {
        remove(tempName);
        return FALSE;
    }
    FlushFolderOf(fileName);
    return TRUE;
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
    doc.reset();
    if (settingsPath.IsEmpty())
        return FALSE;
    std::string content;
    if (ReadRegularFile(SettingsFileSystemPath(settingsPath), content) != FILE_READ)
        return FALSE;
    return ParseSettings(doc, content) == pugi::status_ok ? TRUE : FALSE;
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

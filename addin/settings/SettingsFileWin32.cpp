// The settings file's file-system access on Windows: reads of disk files
// only, exclusive creation with FlushFileBuffers, MoveFileExA writing
// through, and the LockFileEx lock (SettingsFileSystem.h, SettingsLock.h).
#include "settings/SettingsFileSystem.h"
#include "settings/SettingsLock.h"

#include <windows.h>

namespace
{
const int LOCK_POLL_MS = 10;

HANDLE LockHandle(INT_PTR handle)
{
    return reinterpret_cast<HANDLE>(handle);
}
}  // namespace

CString SettingsFileSystemPath(const CString& path)
{
    return path;
}

SettingsFileRead ReadSettingsFile(const CString& fileName, std::string& content)
{
    content.clear();
    DWORD attributes = GetFileAttributesA(fileName);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return SETTINGS_FILE_MISSING;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return SETTINGS_FILE_NOT_REGULAR;
    HANDLE hFile = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return SETTINGS_FILE_UNREADABLE;
    if (GetFileType(hFile) != FILE_TYPE_DISK)
    {
        CloseHandle(hFile);
        return SETTINGS_FILE_NOT_REGULAR;
    }
    char chunk[65536];
    DWORD got = 0;
    BOOL bOk;
    while ((bOk = ReadFile(hFile, chunk, sizeof(chunk), &got, NULL)) && got > 0)
        content.append(chunk, got);
    CloseHandle(hFile);
    if (!bOk)
        content.clear();
    return bOk ? SETTINGS_FILE_READ : SETTINGS_FILE_UNREADABLE;
}

CString ResolveSettingsLink(const CString& fileName)
{
    // Windows renames over the name itself; links are left to the system.
    return fileName;
}

BOOL IsSettingsFileReadOnly(const CString& fileName)
{
    DWORD attributes = GetFileAttributesA(fileName);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) ? TRUE : FALSE;
}

BOOL WriteNewSettingsFile(const CString& fileName, const std::string& content, const CString&)
{
    // A new file inherits the folder's access rights, as every file the user
    // creates in the application-data folder.
    HANDLE hFile = CreateFileA(fileName, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    BOOL bWritten = TRUE;
    const char* p = content.data();
    size_t left = content.size();
    while (left > 0 && bWritten)
    {
        DWORD chunk = left > 0x100000 ? 0x100000 : static_cast<DWORD>(left);
        DWORD done = 0;
        if (!WriteFile(hFile, p, chunk, &done, NULL) || done == 0)
            bWritten = FALSE;
        p += done;
        left -= done;
    }
    if (bWritten && !FlushFileBuffers(hFile))
        bWritten = FALSE;
    if (!CloseHandle(hFile))
        bWritten = FALSE;
    if (!bWritten)
        DeleteFileA(fileName);
    return bWritten;
}

BOOL ReplaceSettingsFile(const CString& source, const CString& target)
{
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? TRUE : FALSE;
}

BOOL SetSettingsFileAside(const CString& source, const CString& target)
{
    // The broken file is moved aside (the save replaces its name next);
    // without MOVEFILE_REPLACE_EXISTING an existing target is kept.
    return MoveFileExA(source, target, MOVEFILE_WRITE_THROUGH) ? TRUE : FALSE;
}

BOOL RemoveSettingsFile(const CString& fileName)
{
    return DeleteFileA(fileName) ? TRUE : FALSE;
}

void FlushSettingsFolderOf(const CString&)
{
    // MOVEFILE_WRITE_THROUGH has flushed the rename already.
}

CSettingsLock::CSettingsLock() : m_handle(-1), m_bHeld(FALSE), m_bBusy(FALSE) {}

BOOL CSettingsLock::Acquire(const CString& fileName, int timeoutMs)
{
    Release();
    m_bBusy = FALSE;
    HANDLE hFile = CreateFileA(fileName + ".lock", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    m_handle = reinterpret_cast<INT_PTR>(hFile);
    if (GetFileType(hFile) != FILE_TYPE_DISK)
    {
        Release();
        return FALSE;
    }
    for (int waited = 0;; waited += LOCK_POLL_MS)
    {
        OVERLAPPED overlapped = {};
        if (LockFileEx(hFile, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &overlapped))
            break;
        if (waited >= timeoutMs)
        {
            m_bBusy = waited >= timeoutMs;
            Release();
            return FALSE;
        }
        Sleep(LOCK_POLL_MS);
    }
    m_bHeld = TRUE;
    return TRUE;
}

void CSettingsLock::Release()
{
    if (m_handle == -1)
        return;
    HANDLE hFile = LockHandle(m_handle);
    if (m_bHeld)
    {
        OVERLAPPED overlapped = {};
        UnlockFileEx(hFile, 0, 1, 0, &overlapped);
    }
    CloseHandle(hFile);
    m_handle = -1;
    m_bHeld = FALSE;
}

CSettingsLock::~CSettingsLock()
{
    Release();
}

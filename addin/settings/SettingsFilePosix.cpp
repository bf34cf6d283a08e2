// The settings file's file-system access on POSIX systems (the stand-in
// world): non-blocking reads of regular files only, exclusive creation with
// fsync, rename, the folder's fsync, and the flock lock (SettingsFileSystem.h,
// SettingsLock.h).
#include "settings/SettingsFileSystem.h"
#include "settings/SettingsLock.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const int LOCK_POLL_MS = 10;

BOOL WriteAll(int fd, const std::string& content)
{
    const char* p = content.data();
    size_t size = content.size();
    while (size > 0)
    {
        ssize_t done = write(fd, p, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return FALSE;
        p += done;
        size -= static_cast<size_t>(done);
    }
    return TRUE;
}
}  // namespace

CString SettingsFileSystemPath(const CString& path)
{
    CString mapped(path);
    mapped.Replace('\\', '/');
    return mapped;
}

SettingsFileRead ReadSettingsFile(const CString& fileName, std::string& content)
{
    content.clear();
    struct stat st;
    if (stat(fileName, &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? SETTINGS_FILE_MISSING : SETTINGS_FILE_UNREADABLE;
    if (!S_ISREG(st.st_mode))
        return SETTINGS_FILE_NOT_REGULAR;
    int fd = open(fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? SETTINGS_FILE_MISSING : SETTINGS_FILE_UNREADABLE;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        close(fd);
        return SETTINGS_FILE_NOT_REGULAR;
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
            return SETTINGS_FILE_UNREADABLE;
        }
        if (got == 0)
            break;
        content.append(chunk, static_cast<size_t>(got));
    }
    close(fd);
    return SETTINGS_FILE_READ;
}

CString ResolveSettingsLink(const CString& fileName)
{
    CString name = fileName;
    for (int hop = 0; hop < 40; ++hop)   // as many links as the kernel follows
    {
        char target[4096];
        ssize_t length = readlink(name, target, sizeof(target) - 1);
        if (length <= 0)
            return name;
        target[length] = '\0';
        int slash = name.ReverseFind('/');
        if (target[0] == '/' || slash < 0)
            name = target;
        else
            name = name.Left(slash + 1) + target;
    }
    return name;
}

BOOL IsSettingsFileReadOnly(const CString& fileName)
{
    struct stat st;
    return stat(fileName, &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ? TRUE : FALSE;
}

BOOL WriteNewSettingsFile(const CString& fileName, const std::string& content, const CString& modeOf)
{
    int fd = open(fileName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return FALSE;
    struct stat st;
    mode_t mode = stat(modeOf, &st) == 0 ? (st.st_mode & 07777) : 0600;
    BOOL bWritten = (fchmod(fd, mode) == 0 && WriteAll(fd, content) && fsync(fd) == 0) ? TRUE : FALSE;
    if (close(fd) != 0)
        bWritten = FALSE;
    if (!bWritten)
        unlink(fileName);
    return bWritten;
}

BOOL ReplaceSettingsFile(const CString& source, const CString& target)
{
    return rename(source, target) == 0 ? TRUE : FALSE;
}

BOOL SetSettingsFileAside(const CString& source, const CString& target)
{
    return link(source, target) == 0 ? TRUE : FALSE;
}

BOOL RemoveSettingsFile(const CString& fileName)
{
    return unlink(fileName) == 0 ? TRUE : FALSE;
}

void FlushSettingsFolderOf(const CString& fileName)
{
    int slash = fileName.ReverseFind('/');
    CString folder = slash < 0 ? CString(".") : (slash == 0 ? CString("/") : fileName.Left(slash));
    int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
    {
        fsync(fd);
        close(fd);
    }
}

CSettingsLock::CSettingsLock() : m_handle(-1), m_bHeld(FALSE), m_bBusy(FALSE) {}

BOOL CSettingsLock::Acquire(const CString& fileName, int timeoutMs)
{
    Release();
    m_bBusy = FALSE;
    CString lockName = fileName + ".lock";
    // Opened without blocking: something other than a regular file standing
    // under the name (a FIFO, a directory) is refused, never waited on.
    int fd = open(lockName, O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EACCES)
        fd = open(lockName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);   // another user's lock file
    if (fd < 0)
        return FALSE;
    m_handle = fd;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        Release();
        return FALSE;
    }
    for (int waited = 0;; waited += LOCK_POLL_MS)
    {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0)
            break;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= timeoutMs)
        {
            m_bBusy = waited >= timeoutMs;
            Release();
            return FALSE;
        }
        usleep(LOCK_POLL_MS * 1000);
    }
    m_bHeld = TRUE;
    return TRUE;
}

void CSettingsLock::Release()
{
    if (m_handle < 0)
        return;
    int fd = static_cast<int>(m_handle);
    if (m_bHeld)
        flock(fd, LOCK_UN);
    close(fd);
    m_handle = -1;
    m_bHeld = FALSE;
}

CSettingsLock::~CSettingsLock()
{
    Release();
}

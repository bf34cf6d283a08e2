// CSettingsLock: the lock file beside the settings file and the exclusive,
// advisory lock on it. The lock file is created once and left in place; the
// operating system drops the lock when its holder ends, even by a crash.
#include "settings/SettingsLock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
const int LOCK_POLL_MS = 10;
}  // namespace

#ifdef _WIN32

CSettingsLock::CSettingsLock() : m_hFile(INVALID_HANDLE_VALUE), m_bHeld(FALSE) {}

BOOL CSettingsLock::Acquire(const CString& fileName, int timeoutMs)
{
    Release();
    m_hFile = CreateFileA(fileName + ".lock", GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, NULL);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    if (GetFileType(m_hFile) != FILE_TYPE_DISK)
    {
        Release();
        return FALSE;
    }
    for (int waited = 0;; waited += LOCK_POLL_MS)
    {
        OVERLAPPED overlapped = {};
        if (LockFileEx(m_hFile, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &overlapped))
            break;
        if (waited >= timeoutMs)
        {
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
    if (m_hFile == INVALID_HANDLE_VALUE)
        return;
    if (m_bHeld)
    {
        OVERLAPPED overlapped = {};
        UnlockFileEx(m_hFile, 0, 1, 0, &overlapped);
    }
    CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bHeld = FALSE;
}

#else

CSettingsLock::CSettingsLock() : m_fd(-1), m_bHeld(FALSE) {}

BOOL CSettingsLock::Acquire(const CString& fileName, int timeoutMs)
{
    Release();
    CString lockName = fileName + ".lock";
    // Opened without blocking: something other than a regular file standing
    // under the name (a FIFO, a directory) is refused, never waited on.
    m_fd = open(lockName, O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (m_fd < 0 && errno == EACCES)
        m_fd = open(lockName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);   // another user's lock file
    if (m_fd < 0)
        return FALSE;
    struct stat st;
    if (fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        Release();
        return FALSE;
    }
    for (int waited = 0;; waited += LOCK_POLL_MS)
    {
        if (flock(m_fd, LOCK_EX | LOCK_NB) == 0)
            break;
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= timeoutMs)
        {
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
    if (m_fd < 0)
        return;
    if (m_bHeld)
        flock(m_fd, LOCK_UN);
    close(m_fd);
    m_fd = -1;
    m_bHeld = FALSE;
}

#endif

CSettingsLock::~CSettingsLock()
{
    Release();
}

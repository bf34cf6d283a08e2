// The lock that serialises every load-change-save of the settings file among
// the IDE instances of one user: an exclusive lock on "<name>.lock" beside
// the settings file (flock on POSIX, LockFileEx on Windows), held for the
// lifetime of a CSettingsLock. Implemented beside the rest of the file-system
// access (SettingsFileSystem.h).
#pragma once

#include <afx.h>

class CSettingsLock
{
public:
    CSettingsLock();
    ~CSettingsLock();

    // Takes the lock for the settings file `fileName` (file-system form),
    // waiting at most `timeoutMs` for another instance to release it. FALSE
    // when the lock file cannot be opened (or is no regular file) or the wait
    // ran out; the object then holds nothing.
    BOOL Acquire(const CString& fileName, int timeoutMs);
    void Release();
    BOOL IsHeld() const { return m_bHeld; }
    // TRUE after an Acquire that failed because another instance held the
    // lock for the whole wait (not because the lock file could not be made,
    // e.g. in a folder that does not exist).
    BOOL WasBusy() const { return m_bBusy; }

private:
    CSettingsLock(const CSettingsLock&);
    CSettingsLock& operator=(const CSettingsLock&);

    INT_PTR m_handle;   // the lock file's descriptor (POSIX) or HANDLE (Windows); -1 when none
    BOOL m_bHeld;
    BOOL m_bBusy;
};

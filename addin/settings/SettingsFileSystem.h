// The settings file's way to the file system: the few operations the load,
// the save and the lock (SettingsFile.cpp, SettingsLock.h) need, each done
// the way its system does it. SettingsFilePosix.cpp implements them with
// POSIX calls, SettingsFileWin32.cpp with Win32 calls; addin/Sources.cmake
// builds the one of the target system.
#pragma once

#include <afx.h>

#include <string>

// The file-system form of a Windows path. Windows takes it as it is; in the
// stand-in world, where '\' is no separator, every '\' becomes '/'.
CString SettingsFileSystemPath(const CString& path);

enum SettingsFileRead
{
    SETTINGS_FILE_READ,          // the whole content is in the buffer
    SETTINGS_FILE_MISSING,
    SETTINGS_FILE_NOT_REGULAR,   // a directory, FIFO, device...
    SETTINGS_FILE_UNREADABLE     // no permission, read error
};

// Reads the whole file when it is a regular one. The name is checked first
// and opened without blocking, and the opened file is checked again, so a
// FIFO never stalls the IDE and a directory is never read as a file.
SettingsFileRead ReadSettingsFile(const CString& fileName, std::string& content);

// Where a save writes: the file a symbolic link (or a chain of them) under
// `fileName` finally names, so that the link stays a link and the file
// beside its target is replaced. `fileName` itself when it is no link.
CString ResolveSettingsLink(const CString& fileName);

// TRUE when `fileName` exists and is marked read-only (no write permission
// bit on POSIX, FILE_ATTRIBUTE_READONLY on Windows).
BOOL IsSettingsFileReadOnly(const CString& fileName);

// Creates `fileName` (it must not exist), writes `content` into it and
// flushes it to the disk. The new file gets the permissions of
// `modeOf` when that file exists, else owner read and write only. FALSE,
// with no file left behind, when any step fails.
BOOL WriteNewSettingsFile(const CString& fileName, const std::string& content, const CString& modeOf);

// Keeps the file `source` under the name `target` too (POSIX: a second
// name; Windows: moved, as the save renames over `source` next), never
// replacing a file that stands there: FALSE when `target` exists or the step
// fails.
BOOL SetSettingsFileAside(const CString& source, const CString& target);

// Renames `source` over `target` in one step.
BOOL ReplaceSettingsFile(const CString& source, const CString& target);

BOOL RemoveSettingsFile(const CString& fileName);

// Flushes the entry of `fileName` in its folder, so that a rename survives a
// crash of the machine (nothing to do where the rename itself writes through).
void FlushSettingsFolderOf(const CString& fileName);

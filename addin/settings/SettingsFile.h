// The settings file on disk: where its name points in the file system, and
// loading and saving it. Only a regular file is read, never blocking on a
// FIFO or device. Every save runs under the settings lock (SettingsLock.h):
// it re-reads the file, writes the new content to a temporary file of its
// own in the same folder, flushes it to the disk and renames it into place,
// so readers always find either the old or the new complete file. A file
// that cannot be parsed is kept as "<name>.bad" before anything is saved over
// it and is otherwise treated as absent.
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include <pugixml.hpp>

#include "settings/Settings.h"
#include "settings/SettingsFileSystem.h"   // SettingsFileSystemPath


// What a load of the settings file found, as pugixml's xml_parse_result
// tells a parse: true only when the file was read and parsed, and otherwise
// a description naming the file ("C:\...\Olvaren.xml: not found",
// "...: not well-formed XML (Start-end tags mismatch) at offset 120").
struct CSettingsLoadStatus
{
    enum Kind
    {
        LOADED,
        NO_PATH,        // the application-data folder is unknown
        MISSING,
        NOT_REGULAR,    // a directory, FIFO, device...
        UNREADABLE,
        UNPARSEABLE
    };
    Kind m_kind;
    CString m_description;   // empty when loaded

    CSettingsLoadStatus() : m_kind(NO_PATH) {}
    operator bool() const { return m_kind == LOADED; }
};

// Loads `doc` from the settings file (default parse options). On any failure
// `doc` is left empty; the add-in's readers then go on quietly with their
// defaults, the status is for tests and the front end.
CSettingsLoadStatus LoadSettingsDocument(pugi::xml_document& doc, const CString& settingsPath);

// Writes `doc` (tab indentation, UTF-8, declaration) as the whole settings
// file. FALSE, with the file unchanged, when the path is empty, the lock
// cannot be had, something other than a regular file stands under the name,
// the file exists but cannot be read, or the new content could not be
// written completely.
BOOL SaveSettingsDocument(const pugi::xml_document& doc, const CString& settingsPath);

// Like SaveSettingsDocument, but only the root's sections named in
// `sections` come from `doc`: under the lock the file is read again, each of
// these sections replaces the first of its name there (or is appended) and
// moves to the end of the root, and every other section stays as the file
// holds it at that moment.
// With `pfnMerge` each written section is first merged with the one the
// file holds (null when none), under the lock.
BOOL SaveSettingsSections(const pugi::xml_document& doc, const CStringArray& sections,
                          const CString& settingsPath, PFN_MERGE_SETTINGS_SECTION pfnMerge = NULL);

// Why the last save failed when the user can mend it ("...Olvaren.xml is
// read-only; settings not saved", "... is locked by another instance; ..."),
// else "". The same text goes to the debug channel after
// SETTINGS_NOT_SAVED_PREFIX, whatever debug_mode says.
const char* LastSettingsSaveError();

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

#include "settings/SettingsFileSystem.h"   // SettingsFileSystemPath


// Loads `doc` from the settings file (default parse options). TRUE when the
// file was read and parsed; otherwise `doc` is left empty.
BOOL LoadSettingsDocument(pugi::xml_document& doc, const CString& settingsPath);

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
BOOL SaveSettingsSections(const pugi::xml_document& doc, const CStringArray& sections,
                          const CString& settingsPath);

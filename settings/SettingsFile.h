// The settings file on disk: where its name points in the file system, and
// loading and saving a whole document. A save never leaves a half-written
// file (it writes a temporary file beside it and renames it into place), and
// a file that cannot be parsed is kept as "<name>.bad" before anything is
// saved over it and is otherwise treated as absent.
#pragma once

#include <afx.h>

#include <pugixml.hpp>

// The file-system form of a Windows path. Windows takes it as it is; in the
// stand-in world, where '\' is no separator, every '\' becomes '/'.
CString SettingsFileSystemPath(const CString& path);

// Loads `doc` from the settings file (default parse options). TRUE when the
// file was read and parsed; otherwise `doc` is left empty.
BOOL LoadSettingsDocument(pugi::xml_document& doc, const CString& settingsPath);

// Writes `doc` (tab indentation, UTF-8, declaration) to the settings file.
// FALSE, with the file unchanged, when the path is empty or the new content
// could not be written completely.
BOOL SaveSettingsDocument(const pugi::xml_document& doc, const CString& settingsPath);

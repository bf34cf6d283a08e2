# The add-in's sources: the one list that the Linux build (addin/), the
# Windows build (windows/), the fuzz targets (fuzz/) and the tests read.
# Include it with OLVAREN_ADDIN_DIR set to this folder; every path it sets is
# absolute.

# The settings file on its own (without the host's section): what the
# settings fuzz target compiles. Its file-system access is the target
# system's: one of SettingsFilePosix.cpp and SettingsFileWin32.cpp.
if(WIN32)
  set(OLVAREN_SETTINGS_FILE_SYSTEM_SOURCE ${OLVAREN_ADDIN_DIR}/settings/SettingsFileWin32.cpp)
else()
  set(OLVAREN_SETTINGS_FILE_SYSTEM_SOURCE ${OLVAREN_ADDIN_DIR}/settings/SettingsFilePosix.cpp)
endif()
set(OLVAREN_SETTINGS_FILE_SOURCES
  ${OLVAREN_ADDIN_DIR}/settings/Settings.cpp
  ${OLVAREN_ADDIN_DIR}/settings/SettingsFile.cpp
  ${OLVAREN_SETTINGS_FILE_SYSTEM_SOURCE}
  ${OLVAREN_ADDIN_DIR}/settings/SettingsSection.cpp
  ${OLVAREN_ADDIN_DIR}/settings/SettingsText.cpp
)

# The string splitter shared by the tool entry and CodeJumper.
set(OLVAREN_STRING_SPLITTER_SOURCE ${OLVAREN_ADDIN_DIR}/host/StringSplitter.cpp)

# The merge of two lists of recent patterns (MassFinder), also tested alone.
set(OLVAREN_RECENT_PATTERN_MERGE_SOURCE ${OLVAREN_ADDIN_DIR}/massfinder/RecentPatternMerge.cpp)

# The whole add-in.
set(OLVAREN_ADDIN_SOURCES
  ${OLVAREN_ADDIN_DIR}/host/Statics.cpp
  ${OLVAREN_ADDIN_DIR}/host/ToolEntry.cpp
  ${OLVAREN_ADDIN_DIR}/host/OlvarenApp.cpp
  ${OLVAREN_ADDIN_DIR}/host/OlvarenHost.cpp
  ${OLVAREN_ADDIN_DIR}/host/HostNotifications.cpp
  ${OLVAREN_ADDIN_DIR}/host/KeyboardHook.cpp
  ${OLVAREN_ADDIN_DIR}/host/ModuleBase.cpp
  ${OLVAREN_STRING_SPLITTER_SOURCE}
  ${OLVAREN_ADDIN_DIR}/host/ErrorBox.cpp
  ${OLVAREN_ADDIN_DIR}/host/RuntimeFunctions.cpp
  ${OLVAREN_ADDIN_DIR}/host/OutlineTreeSearch.cpp
  ${OLVAREN_ADDIN_DIR}/host/EditWindowSearch.cpp
  ${OLVAREN_SETTINGS_FILE_SOURCES}
  ${OLVAREN_ADDIN_DIR}/settings/HostSettings.cpp
  ${OLVAREN_ADDIN_DIR}/trace/DebugStream.cpp
  ${OLVAREN_ADDIN_DIR}/codejumper/CodeJumper.cpp
  ${OLVAREN_ADDIN_DIR}/codejumper/IdentifierResolution.cpp
  ${OLVAREN_ADDIN_DIR}/codejumper/DefinitionSearch.cpp
  ${OLVAREN_ADDIN_DIR}/codejumper/ItemTypeGroups.cpp
  ${OLVAREN_ADDIN_DIR}/massfinder/MassFinder.cpp
  ${OLVAREN_ADDIN_DIR}/massfinder/OutlineSearch.cpp
  ${OLVAREN_ADDIN_DIR}/massfinder/LineMatcher.cpp
  ${OLVAREN_ADDIN_DIR}/massfinder/SearchReport.cpp
  ${OLVAREN_ADDIN_DIR}/massfinder/MassFinderSettings.cpp
  ${OLVAREN_RECENT_PATTERN_MERGE_SOURCE}
  ${OLVAREN_ADDIN_DIR}/massfinder/MassFinderDlg.cpp
  ${OLVAREN_ADDIN_DIR}/resources/Dialogs.cpp
  ${OLVAREN_ADDIN_DIR}/classmate/ClassMate.cpp
  ${OLVAREN_ADDIN_DIR}/classmate/ClassHierarchy.cpp
  ${OLVAREN_ADDIN_DIR}/classmate/BaseClassGraph.cpp
  ${OLVAREN_ADDIN_DIR}/classmate/IncludeSuffix.cpp
)

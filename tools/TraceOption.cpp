// --trace and the settings file's place in --help (see TraceOption.h).
#include "TraceOption.h"

#include <shlobj.h>

#include <set>

#include "addin/settings/SettingsMessages.h"
#include "standin.h"

namespace olvcli {

void AddTraceOption(CLI::App& app, bool& trace) {
  app.add_flag("--trace", trace,
               "After the command, print the add-in's debug trace (written when debug_mode is true "
               "in the settings file) to standard error");
  std::string path = SettingsFilePath();
  app.footer("Settings file of the add-in: " + (path.empty() ? std::string("(no application-data folder)") : path));
}

void PrintTrace(std::ostream& out) {
  for (const std::string& piece : standin::DebugOutput()) out << piece;
  out.flush();
}

void PrintSettingsMessages(std::ostream& out) {
  const std::string prefix = SETTINGS_NOT_SAVED_PREFIX;
  std::set<std::string> shown;
  for (const std::string& piece : standin::DebugOutput())
    if (piece.compare(0, prefix.size(), prefix) == 0 && shown.insert(piece).second)
      out << "olvaren: " << piece.substr(prefix.size());
  out.flush();
}

std::string SettingsFilePath() {
#ifdef _WIN32
  const char kSeparator = '\\';
#else
  const char kSeparator = '/';
#endif
  char folder[MAX_PATH];
  if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != 0) return "";
  return std::string(folder) + kSeparator + "Olvaren.xml";
}

}  // namespace olvcli

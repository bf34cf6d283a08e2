// The front end's view of what the add-in did: the option --trace, which
// prints the debug channel (the add-in's trace) after the command, and the
// settings file's place, shown at the end of --help, and the settings
// file's messages of failed saves.
#pragma once

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>

namespace olvcli {

// Adds --trace to the top-level command line.
void AddTraceOption(CLI::App& app, bool& trace);
// Writes every text the debug channel received, as it arrived.
void PrintTrace(std::ostream& out);
// Without --trace: writes, once each, the settings file's messages of saves
// that failed (a busy lock, a read-only file), which the add-in itself keeps
// quiet about.
void PrintSettingsMessages(std::ostream& out);
// The settings file the add-in reads and writes, as a file-system path
// ("" when the application-data folder is unknown).
std::string SettingsFilePath();

}  // namespace olvcli

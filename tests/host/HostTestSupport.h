// Test support for the add-in host: a fresh settings folder per test
// (XDG_CONFIG_HOME), the stand-in IDE with the add-in (or its probe build)
// loaded as a tool DLL, and readers for the settings file and the debug
// channel.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ide/shell/Shell.h"

class HostTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // The IDE started, with `dll` loaded as a tool (which registers the host
  // and creates the modules). Debug output and message boxes cleared first.
  ide::shell::Shell& StartIde(const char* dll = "Olvaren.dll");
  // TaskShutdown, the tool unloaded, the windows gone.
  void ExitIde();
  ide::shell::Shell& Ide() { return *shell_; }

  // A small application file opened in the IDE (reports OnFileRead).
  void OpenSampleApp();

  // The settings folder and file of this test.
  const std::string& Folder() const { return folder_; }
  std::string SettingsFile() const { return folder_ + "/Olvaren.xml"; }
  void WriteFile(const std::string& path, const std::string& content) const;
  static std::string ReadFile(const std::string& path);
  static bool Exists(const std::string& path);

  // The debug channel split into the add-in's trace lines (pieces joined,
  // split at the newlines) and the probe modules' lines.
  std::vector<std::string> TraceLines() const;
  std::vector<std::string> ProbeLines() const;

  // An export of the loaded probe build (OlvarenProbe.dll).
  template <class F>
  F Probe(const char* name) const {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("OlvarenProbe.dll"), name)));
  }
  std::string HostState() const;

private:
  std::string folder_;
  std::unique_ptr<ide::shell::Shell> shell_;
};

// The settings file as the add-in writes it on a first start.
extern const char kFreshSettings[];

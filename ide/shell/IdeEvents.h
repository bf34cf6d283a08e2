// The IDE's events as tools see them: each one fires the CDK notification
// that stands for it (through the CDK module's event functions) and is
// written to the shell's event log.
#pragma once

#include <string>
#include <vector>

#include "ide/cdk/CdkEvents.h"
#include "ide/core/Ide.h"

namespace ide::shell {

class IdeEvents {
public:
  // Task group.
  void FileRead(OutlineHandle outline);
  void FileClose(OutlineHandle outline);
  void TaskActivate(OutlineHandle outline);
  void TaskDeactivate(OutlineHandle outline);
  void RunDesign(OutlineHandle outline);
  void RunUser(OutlineHandle outline);
  void TaskShutdown(OutlineHandle outline);
  // Outline group (item inserted, selected, expanded, ...).
  void Outline(CdkOutlineCode code, OutlineHandle outline, ItemHandle item);

  // "Name" per event fired, in order, with whether a sink received it:
  // e.g. "OnFileRead" or "OnFileRead (no sink)".
  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

private:
  void Task(CdkTaskCode code, OutlineHandle outline, const char* name);
  void Record(const char* name, BOOL delivered);
  std::vector<std::string> log_;
};

}  // namespace ide::shell

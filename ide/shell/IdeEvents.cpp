// Firing the CDK notifications for the IDE's events.
#include "IdeEvents.h"

namespace ide::shell {

void IdeEvents::Record(const char* name, BOOL delivered) {
  std::string entry = name;
  if (!delivered) entry += " (no sink)";
  log_.push_back(std::move(entry));
}

void IdeEvents::Task(CdkTaskCode code, OutlineHandle outline, const char* name) {
  Record(name, CdkNotifyTask(code, outline));
}

void IdeEvents::FileRead(OutlineHandle outline) { Task(CDK_FILE_READ, outline, "OnFileRead"); }
void IdeEvents::FileClose(OutlineHandle outline) { Task(CDK_FILE_CLOSE, outline, "OnFileClose"); }
void IdeEvents::TaskActivate(OutlineHandle outline) { Task(CDK_TASK_ACTIVATE, outline, "OnTaskActivate"); }
void IdeEvents::TaskDeactivate(OutlineHandle outline) { Task(CDK_TASK_DEACTIVATE, outline, "OnTaskDeactivate"); }
void IdeEvents::RunDesign(OutlineHandle outline) { Task(CDK_RUN_DESIGN, outline, "OnRunDesign"); }
void IdeEvents::RunUser(OutlineHandle outline) { Task(CDK_RUN_USER, outline, "OnRunUser"); }
void IdeEvents::TaskShutdown(OutlineHandle outline) { Task(CDK_TASK_SHUTDOWN, outline, "TaskShutdown"); }

void IdeEvents::Outline(CdkOutlineCode code, OutlineHandle outline, ItemHandle item) {
  static const char* const kNames[] = {"OnItemInserted",  "OnItemDeleted",  "OnItemModified",  "OnItemMoved",
                                       "OnItemSelected",  "OnItemExpanded", "OnItemCollapsed", "OnOutlineCleared"};
  const int index = static_cast<int>(code);  // a code from outside may lie beyond the enumerators
  const char* name = (index >= 0 && index < 8) ? kNames[index] : "OnUnknownNotification";
  Record(name, CdkNotifyOutline(code, outline, item));
}

}  // namespace ide::shell

// The notification sink's defaults, its registration, and the delivery of
// IDE events to it (CdkEvents.h).
#include "CdkAccess.h"
#include "CdkEvents.h"

namespace {
CGNotificationInterface* g_sink = nullptr;
bool g_started = false;

HITEM RootOf(HOUTLINE hOutline) { return ide::Ide::Instance().RootItem(hOutline); }
}  // namespace

IMPLEMENT_DYNAMIC(CGNotificationInterface, CObject)

CGNotificationInterface::CGNotificationInterface() : m_bValid(TRUE) {}

// A sink that goes away is no longer called.
CGNotificationInterface::~CGNotificationInterface() {
  if (g_sink == this) CdkResetNotifications();
}

BOOL CGNotificationInterface::IsValid() const { return m_bValid; }
void CGNotificationInterface::SetValid(BOOL bValid) { m_bValid = bValid; }

void CGNotificationInterface::OnRegistrationHookSet() {}

// The CDK's dispatcher: builds the subject object and calls the operation
// that stands for the group and code.
void CGNotificationInterface::OnNotification(int nGroup, int nCode, HOUTLINE hOutline, HITEM hItem) {
  if (nGroup == CDK_GROUP_OUTLINE) {
    CGItem item(hOutline, hItem);
    switch (nCode) {
      case CDK_ITEM_INSERTED: OnItemInserted(&item); return;
      case CDK_ITEM_DELETED: OnItemDeleted(&item); return;
      case CDK_ITEM_MODIFIED: OnItemModified(hOutline, hItem); return;
      case CDK_ITEM_MOVED: OnItemMoved(&item); return;
      case CDK_ITEM_SELECTED: OnItemSelected(&item); return;
      case CDK_ITEM_EXPANDED: OnItemExpanded(&item); return;
      case CDK_ITEM_COLLAPSED: OnItemCollapsed(&item); return;
      case CDK_OUTLINE_CLEARED: {
        CGApplication app(hOutline, RootOf(hOutline));
        OnOutlineCleared(&app);
        return;
      }
      default: break;
    }
  } else if (nGroup == CDK_GROUP_TASK) {
    CGApplication app(hOutline, RootOf(hOutline));
    switch (nCode) {
      case CDK_FILE_READ: {
        CGItem item(hOutline, RootOf(hOutline));
        OnFileRead(&item);
        return;
      }
      case CDK_FILE_SAVE: OnFileSave(&app); return;
      case CDK_FILE_NEW: OnFileNew(&app); return;
      case CDK_FILE_CLOSE: OnFileClose(&app); return;
      case CDK_COMPILE: OnCompile(&app); return;
      case CDK_RUN_DESIGN: OnRunDesign(&app); return;
      case CDK_RUN_USER: OnRunUser(&app); return;
      case CDK_TASK_ACTIVATE: OnTaskActivate(&app); return;
      case CDK_TASK_DEACTIVATE: OnTaskDeactivate(&app); return;
      case CDK_TASK_SHUTDOWN: TaskShutdown(); return;
      default: break;
    }
  }
  OnUnknownNotification(nGroup, nCode, hOutline, hItem);
}

void CGNotificationInterface::OnItemInserted(CObject*) {}
void CGNotificationInterface::OnItemDeleted(CObject*) {}
void CGNotificationInterface::OnItemModified(HOUTLINE, HITEM) {}
void CGNotificationInterface::OnItemMoved(CObject*) {}
void CGNotificationInterface::OnItemSelected(CObject*) {}
void CGNotificationInterface::OnItemExpanded(CObject*) {}
void CGNotificationInterface::OnItemCollapsed(CObject*) {}
void CGNotificationInterface::OnOutlineCleared(CObject*) {}
void CGNotificationInterface::OnFileRead(CGItem*) {}
void CGNotificationInterface::OnFileSave(CObject*) {}
void CGNotificationInterface::OnFileNew(CObject*) {}
void CGNotificationInterface::OnFileClose(CObject*) {}
void CGNotificationInterface::OnCompile(CObject*) {}
void CGNotificationInterface::OnRunDesign(CObject*) {}
void CGNotificationInterface::OnRunUser(CObject*) {}
void CGNotificationInterface::OnTaskActivate(CGItem*) {}
void CGNotificationInterface::OnTaskDeactivate(CObject*) {}
void CGNotificationInterface::TaskShutdown() {}
void CGNotificationInterface::OnUnknownNotification(int, int, HOUTLINE, HITEM) {}

// One sink at a time: a new registration replaces the old one, and the new
// sink hears nothing until notifications are started for it.
BOOL CDKRegisterNotificationInterface(CGNotificationInterface* pSink) {
  g_sink = pSink;
  g_started = false;
  return pSink != nullptr ? TRUE : FALSE;
}

BOOL CDKStartNotifications() {
  if (g_sink == nullptr) return FALSE;
  g_started = true;
  return TRUE;
}

BOOL CdkNotify(int nGroup, int nCode, HOUTLINE hOutline, HITEM hItem) {
  if (g_sink == nullptr || !g_started || !g_sink->IsValid()) return FALSE;
  g_sink->OnNotification(nGroup, nCode, hOutline, hItem);
  return TRUE;
}

BOOL CdkNotifyOutline(CdkOutlineCode code, HOUTLINE hOutline, HITEM hItem) {
  return CdkNotify(CDK_GROUP_OUTLINE, code, hOutline, hItem);
}

BOOL CdkNotifyTask(CdkTaskCode code, HOUTLINE hOutline) {
  return CdkNotify(CDK_GROUP_TASK, code, hOutline, code == CDK_TASK_SHUTDOWN ? 0 : RootOf(hOutline));
}

CGNotificationInterface* CdkRegisteredSink() { return g_sink; }
BOOL CdkNotificationsStarted() { return g_started ? TRUE : FALSE; }

void CdkResetNotifications() {
  g_sink = nullptr;
  g_started = false;
}

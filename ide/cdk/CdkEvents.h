// The IDE side of the CDK's notifications: what the shell calls when an IDE
// event happens. Each call reaches the registered sink (once notifications
// are started and the sink is valid) through its OnNotification entry, whose
// default turns the (group, code, outline, item) quadruple into the specific
// operation with its subject object. Subjects live for the duration of the
// call. Every function returns TRUE when the sink was called.
#pragma once

#include "cdk.h"

// Notification groups and codes as OnNotification receives them.
enum CdkNotifyGroup { CDK_GROUP_OUTLINE = 1, CDK_GROUP_TASK = 2 };
enum CdkOutlineCode {
  CDK_ITEM_INSERTED, CDK_ITEM_DELETED, CDK_ITEM_MODIFIED, CDK_ITEM_MOVED,
  CDK_ITEM_SELECTED, CDK_ITEM_EXPANDED, CDK_ITEM_COLLAPSED, CDK_OUTLINE_CLEARED
};
enum CdkTaskCode {
  CDK_FILE_READ, CDK_FILE_SAVE, CDK_FILE_NEW, CDK_FILE_CLOSE, CDK_COMPILE,
  CDK_RUN_DESIGN, CDK_RUN_USER, CDK_TASK_ACTIVATE, CDK_TASK_DEACTIVATE, CDK_TASK_SHUTDOWN
};

// The raw entry: any group and code, including ones the sink does not know
// (they reach OnUnknownNotification).
CDKAPI BOOL CdkNotify(int nGroup, int nCode, HOUTLINE hOutline, HITEM hItem);

// Outline group: the subject is a CGItem of the item (OnItemModified gets the
// handles themselves; OnOutlineCleared a CGApplication of the outline).
CDKAPI BOOL CdkNotifyOutline(CdkOutlineCode code, HOUTLINE hOutline, HITEM hItem);

// Task group: OnFileRead gets a CGItem of the application item, the other
// task notifications a CGApplication of the outline; TaskShutdown nothing.
CDKAPI BOOL CdkNotifyTask(CdkTaskCode code, HOUTLINE hOutline);

// The registration state, for the shell and for tests.
CDKAPI CGNotificationInterface* CdkRegisteredSink();
CDKAPI BOOL CdkNotificationsStarted();
// Forgets the sink and stops notifications (e.g. when the tool is unloaded).
CDKAPI void CdkResetNotifications();

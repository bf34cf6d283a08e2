// The IDE side of the CDK's notifications: what the shell calls when an IDE
// event happens. Each call reaches the registered sink (once notifications
// are started and the sink is valid) through its OnNotification entry, whose
// default turns the (group, code, outline, item) quadruple into the specific
// operation with its subject object. Subjects live for the duration of the
// call. Every function returns TRUE when the sink was called. The groups and
// codes are the CDK's (cdk.h).
#pragma once

#include "cdk.h"

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

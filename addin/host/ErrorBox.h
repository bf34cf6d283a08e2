// The add-in's one error message box.
#pragma once

#include <windows.h>

// Shows `message` modally with no owner, titled "An Error Occured!", with the
// stop icon and an OK button; returns 0 once it is closed.
int ShowErrorBox(const char* message);

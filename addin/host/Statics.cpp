// The DLL's static objects with dynamic construction, defined in this one
// translation unit so that their order is the order of definition: the
// edit-window finder's search text, the trace stream, the application
// object, the host. At unload they are destroyed in reverse, so the host
// (which saves the settings and may trace) goes first and the trace stream
// after the application object.
#include "host/OlvarenApp.h"
#include "host/OlvarenHost.h"
#include "host/WindowSearch.h"
#include "trace/DebugStream.h"

CString g_editSearchText;
basic_dostream<char> g_dout;
COlvarenApp theApp;
COlvarenNotificationInterface theHost;

// The application object: at DLL attach it hands the host to the CDK as the
// notification sink.
#include "host/OlvarenApp.h"

#include "host/OlvarenHost.h"
#include "trace/DebugStream.h"

COlvarenApp::COlvarenApp()
{
}

BOOL COlvarenApp::InitInstance()
{
    g_dout << "[Olvaren] COlvarenApp::InitInstance()" << std::endl;
    CDKRegisterNotificationInterface(&theHost);
    return CWinApp::InitInstance();
}

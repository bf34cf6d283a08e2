// The host's life cycle and its module list: construction (runtime functions,
// settings path, host settings, trace switch), destruction (hook, modules,
// runtime libraries, host settings), and the offering of tool calls and
// keystrokes to every module.
#include "host/OlvarenHost.h"

#include <shlobj.h>

#include "classmate/ClassMate.h"
#include "codejumper/CodeJumper.h"
#include "host/RuntimeFunctions.h"
#include "host/StringSplitter.h"
#include "massfinder/MassFinder.h"
#include "trace/DebugStream.h"

COlvarenNotificationInterface::COlvarenNotificationInterface()
    : m_modules(10),
      m_hTreeCtrl(NULL),
      m_hKeyboardHook(NULL),
      m_debugMode(0)
{
    BindRuntimeFunctions();

    char folder[MAX_PATH];
    if (SHGetFolderPathA(NULL, CSIDL_APPDATA, NULL, SHGFP_TYPE_CURRENT, folder) == 0)
        m_settingsPath.Format("%s\\Olvaren.xml", folder);

    LoadHostSettings();
    g_suppressTrace = (m_debugMode == 0) ? TRUE : FALSE;
}

COlvarenNotificationInterface::~COlvarenNotificationInterface()
{
    // The hook procedure lives in this DLL; it must not outlive it.
    if (m_hKeyboardHook != NULL)
        StopKeyboardTracking();

    DeleteModules();
    ReleaseRuntimeLibraries();
    SaveHostSettings();
}

void COlvarenNotificationInterface::CreateModules()
{
    m_modules.AddTail(new CCodeJumper(this));
    m_modules.AddTail(new CMassFinder(this));
    m_modules.AddTail(new CClassMate(this));
}

void COlvarenNotificationInterface::DeleteModules()
{
    POSITION pos = m_modules.GetHeadPosition();
    while (pos != NULL)
    {
        COlvarenModuleBase* pModule = m_modules.GetNext(pos);
        delete pModule;
    }
    m_modules.RemoveAll();
}

void COlvarenNotificationInterface::DispatchToolCall(int toolParameter, const char* arguments)
{
    CStringArray tokens;
    CStringSplitter splitter(CString(arguments), CString(" "));
    while (splitter.Next())
        tokens.Add(splitter.GetToken());

    POSITION pos = m_modules.GetHeadPosition();
    while (pos != NULL)
    {
        COlvarenModuleBase* pModule = m_modules.GetNext(pos);
        pModule->OnToolInvoked(toolParameter, &tokens);
    }
}

BOOL COlvarenNotificationInterface::DispatchKeyDown(int modifiers, int virtualKey)
{
    BOOL bHandled = FALSE;
    POSITION pos = m_modules.GetHeadPosition();
    while (pos != NULL)
    {
        COlvarenModuleBase* pModule = m_modules.GetNext(pos);
        if (pModule->OnKeyDown(modifiers, virtualKey))
            bHandled = TRUE;
    }
    return bHandled;
}

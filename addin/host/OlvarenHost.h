// The host: the one object that lives while the DLL is loaded. It owns the
// tool modules, is the CDK's notification sink, keeps the application
// object, the outline tree window and the keyboard hook, and offers every
// outside event to every module, head to tail of its list.
#pragma once

#include <afx.h>
#include <afxtempl.h>
#include <windows.h>

#include "cdk/cdk.h"
#include "host/ModuleBase.h"

class COlvarenNotificationInterface : public CGNotificationInterface
{
public:
    COlvarenNotificationInterface();
    virtual ~COlvarenNotificationInterface();

    // Module list (OlvarenHost.cpp).
    void CreateModules();
    void DeleteModules();
    void DispatchToolCall(int toolParameter, const char* arguments);
    BOOL DispatchKeyDown(int modifiers, int virtualKey);

    // The host's own settings section (settings/HostSettings.cpp).
    void LoadHostSettings();
    void SaveHostSettings();

    // Keyboard hook (KeyboardHook.cpp).
    void StartKeyboardTracking();
    void StopKeyboardTracking();

    // CDK notifications (HostNotifications.cpp).
    virtual void OnRegistrationHookSet();
    virtual void OnItemInserted(CObject* pSubject);
    virtual void OnItemDeleted(CObject* pSubject);
    virtual void OnItemModified(HOUTLINE hOutline, HITEM hItem);
    virtual void OnItemMoved(CObject* pSubject);
    virtual void OnItemSelected(CObject* pSubject);
    virtual void OnItemExpanded(CObject* pSubject);
    virtual void OnItemCollapsed(CObject* pSubject);
    virtual void OnOutlineCleared(CObject* pSubject);
    virtual void OnFileRead(CGItem* pItem);
    virtual void OnFileSave(CObject* pSubject);
    virtual void OnFileNew(CObject* pSubject);
    virtual void OnFileClose(CObject* pSubject);
    virtual void OnCompile(CObject* pSubject);
    virtual void OnRunDesign(CObject* pSubject);
    virtual void OnRunUser(CObject* pSubject);
    virtual void OnTaskActivate(CGItem* pApp);
    virtual void OnTaskDeactivate(CObject* pSubject);
    virtual void TaskShutdown();

    CList<COlvarenModuleBase*, COlvarenModuleBase*> m_modules;   // owned, creation order
    HWND m_hTreeCtrl;            // the IDE's outline tree view, found lazily
    CGApplication m_app;         // the application of the loaded outline
    HHOOK m_hKeyboardHook;       // null while no hook is installed
    int m_debugMode;             // module_host/debug_mode; 1 switches the trace on
    CString m_settingsPath;      // full path of the settings file, empty when unknown

private:
    void BroadcastOutline(void* subject, int code);
    void BroadcastTask(void* subject, int code);

    COlvarenNotificationInterface(const COlvarenNotificationInterface&);
    COlvarenNotificationInterface& operator=(const COlvarenNotificationInterface&);
};

// The single host (host/Statics.cpp).
extern COlvarenNotificationInterface theHost;

// The keyboard hook procedure (KeyboardHook.cpp).
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM virtualKey, LPARAM keyData);

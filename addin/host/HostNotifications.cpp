// The host as the CDK's notification sink: keeps the application object,
// the outline tree window and the keyboard hook up to date, traces the
// life-cycle events and passes every notification on to every module.
#include "host/OlvarenHost.h"

#include <afxwin.h>

#include "trace/DebugStream.h"

void COlvarenNotificationInterface::BroadcastOutline(void* subject, int code)
{
    POSITION pos = m_modules.GetHeadPosition();
    while (pos != NULL)
    {
        COlvarenModuleBase* pModule = m_modules.GetNext(pos);
        pModule->OnOutlineNotification(subject, code);
    }
}

void COlvarenNotificationInterface::BroadcastTask(void* subject, int code)
{
    POSITION pos = m_modules.GetHeadPosition();
    while (pos != NULL)
    {
        COlvarenModuleBase* pModule = m_modules.GetNext(pos);
        pModule->OnTaskNotification(subject, code);
    }
}

void COlvarenNotificationInterface::OnRegistrationHookSet()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CreateModules();
    CDKStartNotifications();
    g_dout << "[Olvaren] CDK Registration Hook was set." << std::endl;
}

// --- outline group ----------------------------------------------------------

void COlvarenNotificationInterface::OnItemInserted(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, 0);
}

void COlvarenNotificationInterface::OnItemDeleted(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, 1);
}

void COlvarenNotificationInterface::OnItemModified(HOUTLINE hOutline, HITEM hItem)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CGItem item(hOutline, hItem);
    BroadcastOutline(&item, 2);
}

void COlvarenNotificationInterface::OnItemMoved(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, 3);
}

void COlvarenNotificationInterface::OnItemSelected(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, 4);
}

void COlvarenNotificationInterface::OnItemExpanded(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, 5);
}

void COlvarenNotificationInterface::OnItemCollapsed(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, 6);
}

void COlvarenNotificationInterface::OnOutlineCleared(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, 7);
}

// --- task group -------------------------------------------------------------

void COlvarenNotificationInterface::OnFileRead(CGItem* pItem)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] OnFileRead" << std::endl;
    m_app.Initialize(pItem->GetOutline(), pItem->GetItem());
    m_hTreeCtrl = NULL;
    BroadcastTask(pItem, 0);
}

void COlvarenNotificationInterface::OnFileSave(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastTask(pSubject, 1);
}

void COlvarenNotificationInterface::OnFileNew(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastTask(pSubject, 2);
}

void COlvarenNotificationInterface::OnFileClose(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastTask(pSubject, 3);
}

void COlvarenNotificationInterface::OnCompile(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastTask(pSubject, 4);
}

void COlvarenNotificationInterface::OnRunDesign(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] OnRunDesign" << std::endl;
    BroadcastTask(pSubject, 5);
}

void COlvarenNotificationInterface::OnRunUser(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] OnRunUser" << std::endl;
    BroadcastTask(pSubject, 6);
}

void COlvarenNotificationInterface::OnTaskActivate(CGItem* pApp)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] OnTaskActivate, App::Valid: " << (pApp->IsValid() ? "Yes" : "No") << std::endl;
    if (!m_app.IsValid())
        m_app.Initialize(pApp->GetOutline(), pApp->GetItem());
    if (m_hKeyboardHook == NULL)
        StartKeyboardTracking();
    BroadcastTask(pApp, 7);
}

void COlvarenNotificationInterface::OnTaskDeactivate(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] OnTaskDeactivate" << std::endl;
    StopKeyboardTracking();
    BroadcastTask(pSubject, 8);
}

void COlvarenNotificationInterface::TaskShutdown()
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] TaskShutdown Notification." << std::endl;
    StopKeyboardTracking();

    POSITION pos = m_modules.GetHeadPosition();
    while (pos != NULL)
    {
        COlvarenModuleBase* pModule = m_modules.GetNext(pos);
        pModule->OnTaskShutdown();
    }
}

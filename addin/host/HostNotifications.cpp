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
    BroadcastOutline(pSubject, CDK_ITEM_INSERTED);
}

void COlvarenNotificationInterface::OnItemDeleted(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, CDK_ITEM_DELETED);
}

void COlvarenNotificationInterface::OnItemModified(HOUTLINE hOutline, HITEM hItem)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CGItem item(hOutline, hItem);
    BroadcastOutline(&item, CDK_ITEM_MODIFIED);
}

void COlvarenNotificationInterface::OnItemMoved(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, CDK_ITEM_MOVED);
}

void COlvarenNotificationInterface::OnItemSelected(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, CDK_ITEM_SELECTED);
}

void COlvarenNotificationInterface::OnItemExpanded(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, CDK_ITEM_EXPANDED);
}

void COlvarenNotificationInterface::OnItemCollapsed(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, CDK_ITEM_COLLAPSED);
}

void COlvarenNotificationInterface::OnOutlineCleared(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastOutline(pSubject, CDK_OUTLINE_CLEARED);
}

// --- task group -------------------------------------------------------------

void COlvarenNotificationInterface::OnFileRead(CGItem* pItem)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] OnFileRead" << std::endl;
    m_app.Initialize(pItem->GetOutline(), pItem->GetItem());
    m_hTreeCtrl = NULL;
    BroadcastTask(pItem, CDK_FILE_READ);
}

void COlvarenNotificationInterface::OnFileSave(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastTask(pSubject, CDK_FILE_SAVE);
}

void COlvarenNotificationInterface::OnFileNew(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastTask(pSubject, CDK_FILE_NEW);
}

void COlvarenNotificationInterface::OnFileClose(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastTask(pSubject, CDK_FILE_CLOSE);
}

void COlvarenNotificationInterface::OnCompile(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    BroadcastTask(pSubject, CDK_COMPILE);
}

void COlvarenNotificationInterface::OnRunDesign(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] OnRunDesign" << std::endl;
    BroadcastTask(pSubject, CDK_RUN_DESIGN);
}

void COlvarenNotificationInterface::OnRunUser(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] OnRunUser" << std::endl;
    BroadcastTask(pSubject, CDK_RUN_USER);
}

void COlvarenNotificationInterface::OnTaskActivate(CGItem* pApp)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] OnTaskActivate, App::Valid: " << (pApp->IsValid() ? "Yes" : "No") << std::endl;
    if (!m_app.IsValid())
        m_app.Initialize(pApp->GetOutline(), pApp->GetItem());
    if (m_hKeyboardHook == NULL)
        StartKeyboardTracking();
    BroadcastTask(pApp, CDK_TASK_ACTIVATE);
}

void COlvarenNotificationInterface::OnTaskDeactivate(CObject* pSubject)
{
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    g_dout << "[Olvaren] OnTaskDeactivate" << std::endl;
    StopKeyboardTracking();
    BroadcastTask(pSubject, CDK_TASK_DEACTIVATE);
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

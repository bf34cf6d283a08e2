// CodeJumper's module object: the two key commands, the history of return
// points, showing an item in the IDE, and its (empty) settings section.
#include "codejumper/CodeJumper.h"

#include "codejumper/IdentifierResolution.h"
#include "host/OlvarenHost.h"
#include "host/RuntimeFunctions.h"
#include "host/WindowSearch.h"
#include "settings/SettingsSection.h"
#include "trace/DebugStream.h"

CCodeJumper::CCodeJumper(COlvarenNotificationInterface* pHost)
    : COlvarenModuleBase(pHost), m_history(10)
{
    LoadSettings();
}

CCodeJumper::~CCodeJumper()
{
    ClearHistory();
    SaveSettings();
}

void CCodeJumper::OnTaskNotification(void* /*subject*/, int code)
{
    if (code == CDK_FILE_READ || code == CDK_RUN_DESIGN || code == CDK_RUN_USER)
        ClearHistory();
}

BOOL CCodeJumper::OnKeyDown(int modifiers, int virtualKey)
{
    if (virtualKey != VK_F2)
        return FALSE;
    if (modifiers == 0)
    {
        JumpForward();
        return TRUE;
    }
    if (modifiers == KEYMOD_CTRL)
    {
        Jumpbackward();
        return TRUE;
    }
    return FALSE;
}

void CCodeJumper::JumpForward()
{
    g_dout << "[Olvaren] CCodeJumper::JumpForward()" << std::endl;

    CGApplication app(m_pHost->m_app);
    if (!app.IsValid())
        return;

    // Only while nothing is marked.
    CGItem marked;
    if (app.GetFirstMarked(marked) && marked.IsValid())
        return;

    HOUTLINE hOutline = app.GetOutline();
    if (g_pfnSalOutlineEditGetItem == NULL)
        return;
    HITEM hEdited = g_pfnSalOutlineEditGetItem(hOutline);
    if (hEdited == 0)
        return;

    CGItem edited;
    if (!edited.Initialize(hOutline, hEdited))
        return;

    HWND hEditor = FindEditWindowByText(app.GetMainWindow(), CString(edited.GetText()));
    if (hEditor == NULL)
        return;

    CGItem definition;
    if (!ResolveIdentifier(definition, edited, hEditor))
        return;

    HWND hTree = GetOutlineTreeCtrl(m_pHost);
    HTREEITEM hCaret = reinterpret_cast<HTREEITEM>(::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0));

    CJumpItem* pReturn = new CJumpItem;
    pReturn->hOutline = edited.GetOutline();
    pReturn->hItem = edited.GetItem();
    pReturn->hTreeItem = hCaret;
    m_history.AddTail(pReturn);

    CJumpItem target;
    target.hOutline = definition.GetOutline();
    target.hItem = definition.GetItem();
    target.hTreeItem = NULL;
    ShowJumpItem(target);
}

void CCodeJumper::Jumpbackward()
{
    g_dout << "[Olvaren] CCodeJumper::Jumpbackward()" << std::endl;

    if (m_history.IsEmpty())
        return;
    CJumpItem* pReturn = m_history.RemoveTail();
    ShowJumpItem(*pReturn);
    delete pReturn;
}

int CCodeJumper::ShowJumpItem(CJumpItem& item)
{
    CGItem shown(item.hOutline, item.hItem);
    if (!shown.IsValid())
        return 0;

    HWND hTree = GetOutlineTreeCtrl(m_pHost);
    if (item.hTreeItem == NULL)
        item.hTreeItem = reinterpret_cast<HTREEITEM>(::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    ::SendMessageA(hTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item.hTreeItem));

    if (g_pfnSalOutlineDoUICommand == NULL)
        return 0;
    return g_pfnSalOutlineDoUICommand(item.hOutline, item.hItem, SAL_UICMD_SHOWITEM, "");
}

void CCodeJumper::ClearHistory()
{
    while (!m_history.IsEmpty())
        delete m_history.RemoveTail();
}

void CCodeJumper::LoadSettings()
{
    CSettingsSection section("codejumper", m_pHost);
    section.Load();
}

void CCodeJumper::SaveSettings()
{
    CSettingsSection section("codejumper", m_pHost);
    if (section.Recreate())
        section.Save();
}

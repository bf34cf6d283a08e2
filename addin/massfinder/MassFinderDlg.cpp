// The search dialog: its controls, activation (settings reload, check boxes,
// pattern list), Find!, Close, and the message hook for the dialog keys.
#include "massfinder/MassFinderDlg.h"

#include "massfinder/MassFinder.h"

cMassFinderDlg* g_pMassFinderDlg = NULL;
HHOOK g_hDialogMessageHook = NULL;

const cMassFinderDlg::CCheckOption cMassFinderDlg::s_checkOptions[5] = {
    {&cMassFinderDlg::m_matchCaseCheck, &CMassFinder::m_matchCase},
    {&cMassFinderDlg::m_wholeWordCheck, &CMassFinder::m_wholeWord},
    {&cMassFinderDlg::m_ignoreIncludesCheck, &CMassFinder::m_ignoreIncludes},
    {&cMassFinderDlg::m_onlyMarkedCheck, &CMassFinder::m_onlyMarkedItems},
    {&cMassFinderDlg::m_ignoreCommentsCheck, &CMassFinder::m_ignoreComments},
};

IMPLEMENT_DYNAMIC(cMassFinderDlg, CDialog)

BEGIN_MESSAGE_MAP(cMassFinderDlg, CDialog)
    ON_WM_CLOSE()
    ON_BN_CLICKED(IDC_FIND, &cMassFinderDlg::OnFind)
    ON_WM_ACTIVATE()
END_MESSAGE_MAP()

cMassFinderDlg::cMassFinderDlg(CWnd* pParent, CMassFinder* pFinder)
    : CDialog(IDD_MASSFINDER, pParent), m_pFinder(pFinder)
{
    g_pMassFinderDlg = this;
}

cMassFinderDlg::~cMassFinderDlg()
{
}

void cMassFinderDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PATTERN, m_patternCombo);
    DDX_Control(pDX, IDC_FIND, m_findButton);
    DDX_Control(pDX, IDC_MATCH_CASE, m_matchCaseCheck);
    DDX_Control(pDX, IDC_IGNORE_INCLUDES, m_ignoreIncludesCheck);
    DDX_Control(pDX, IDC_IGNORE_COMMENTS, m_ignoreCommentsCheck);
    DDX_Control(pDX, IDC_ONLY_MARKED, m_onlyMarkedCheck);
    DDX_Control(pDX, IDC_WHOLE_WORD, m_wholeWordCheck);
}

BOOL cMassFinderDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    g_hDialogMessageHook = ::SetWindowsHookExA(WH_GETMESSAGE, DialogMessageHookProc, NULL, ::GetCurrentThreadId());
    m_patternCombo.SetFocus();
    return FALSE;
}

void cMassFinderDlg::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CDialog::OnActivate(nState, pWndOther, bMinimized);
    if (m_pFinder == NULL)
        return;
    m_pFinder->ReloadSettingsIfChanged();
    for (const CCheckOption& entry : s_checkOptions)
        (this->*entry.m_check).SendMessage(BM_SETCHECK, (m_pFinder->*entry.m_option) != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    RefreshPatternList();
}

void cMassFinderDlg::RefreshPatternList()
{
    m_patternCombo.SendMessage(CB_RESETCONTENT, 0, 0);
    for (INT_PTR i = m_pFinder->m_recentPatterns.GetSize() - 1; i >= 0; --i)
        m_patternCombo.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>((LPCSTR)m_pFinder->m_recentPatterns[i]));
    m_patternCombo.SendMessage(CB_SETCURSEL, 0, 0);
}

void cMassFinderDlg::OnFind()
{
    if (m_pFinder == NULL)
        return;
    CString text;
    m_patternCombo.GetWindowText(text);
    if (text.IsEmpty())
        return;
    for (const CCheckOption& entry : s_checkOptions)
        m_pFinder->*entry.m_option = (this->*entry.m_check).SendMessage(BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    m_pFinder->AddRecentPattern(text);
    RefreshPatternList();
    m_pFinder->Search(text);
}

void cMassFinderDlg::OnCancel()
{
    if (m_pFinder != NULL)
        m_pFinder->m_pDialog = NULL;
    DestroyWindow();
}

void cMassFinderDlg::OnClose()
{
    if (m_pFinder != NULL)
        m_pFinder->m_pDialog = NULL;
    DestroyWindow();
}

// A window destroyed another way than by Close (with its owner, the IDE's
// main window) must not leave the module pointing at a deleted dialog: the
// module could never open one again.
void cMassFinderDlg::PostNcDestroy()
{
    if (m_pFinder != NULL && m_pFinder->m_pDialog == this)
        m_pFinder->m_pDialog = NULL;
    if (g_hDialogMessageHook != NULL)
        ::UnhookWindowsHookEx(g_hDialogMessageHook);
    delete this;
}

LRESULT CALLBACK DialogMessageHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = reinterpret_cast<MSG*>(lParam);
    if (code >= 0 && wParam == PM_REMOVE && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HWND hDlg = g_pMassFinderDlg != NULL ? g_pMassFinderDlg->GetSafeHwnd() : NULL;
        if (::IsDialogMessageA(hDlg, pMsg))
        {
            pMsg->message = WM_NULL;
            pMsg->wParam = 0;
            pMsg->lParam = 0;
        }
    }
    return ::CallNextHookEx(g_hDialogMessageHook, code, wParam, lParam);
}

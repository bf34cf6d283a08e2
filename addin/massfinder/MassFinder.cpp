// MassFinder's module object: its state, and the tool call that opens the
// search dialog.
#include "massfinder/MassFinder.h"

#include "host/OlvarenHost.h"
#include "massfinder/MassFinderDlg.h"

CMassFinder::CMassFinder(COlvarenNotificationInterface* pHost)
    : COlvarenModuleBase(pHost),
      m_recentPatterns(),
      m_pattern(""),
      m_pDialog(NULL),
      m_hitCount(0),
      m_matchCase(0),
      m_ignoreIncludes(0),
      m_onlyMarkedItems(0),
      m_ignoreComments(0),
      m_wholeWord(0),
      m_settingsStamp(0),
      m_settingsLoaded(0)
{
}

// The dialog is not touched here; should it still be open, it no longer
// reaches back to the module.
CMassFinder::~CMassFinder()
{
    if (m_pDialog != NULL)
        m_pDialog->m_pFinder = NULL;
    FreeChildLists();
}

void CMassFinder::OnToolInvoked(int /*toolParameter*/, CStringArray* arguments)
{
    if (IsToolCallFor(arguments, "MassFinder"))
        ShowDialog();
}

void CMassFinder::ShowDialog()
{
    if (m_pDialog != NULL)
        return;
    if (!m_pHost->m_app.IsValid())
        return;
    CWnd* pParent = CWnd::FromHandle(m_pHost->m_app.GetMainWindow());
    m_pDialog = new cMassFinderDlg(pParent, this);
    m_pDialog->Create(IDD_MASSFINDER, pParent);
}

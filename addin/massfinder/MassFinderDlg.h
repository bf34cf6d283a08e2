// The "Mass Finder" dialog: a modeless dialog on template IDD_MASSFINDER with
// the pattern combo box, Find!, Close and five option check boxes. A
// WH_GETMESSAGE hook hands the keyboard messages of the IDE's own message
// loop to IsDialogMessageA, so that the dialog keys work while it is open.
#pragma once

#include <afxwin.h>

#include "resources/resource.h"

class CMassFinder;

class cMassFinderDlg : public CDialog
{
    DECLARE_DYNAMIC(cMassFinderDlg)
public:
    cMassFinderDlg(CWnd* pParent, CMassFinder* pFinder);
    virtual ~cMassFinderDlg();

    enum { IDD = IDD_MASSFINDER };

    CMassFinder* m_pFinder;
    CComboBox m_patternCombo;
    CButton m_findButton;
    CButton m_matchCaseCheck;
    CButton m_ignoreIncludesCheck;
    CButton m_ignoreCommentsCheck;
    CButton m_onlyMarkedCheck;
    CButton m_wholeWordCheck;

    // Fills the combo box with the recent patterns, newest first, and puts
    // the newest into the edit field.
    void RefreshPatternList();

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual void PostNcDestroy() override;
    virtual BOOL OnInitDialog() override;
    virtual void OnCancel() override;

    afx_msg void OnClose();
    afx_msg void OnFind();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);

    DECLARE_MESSAGE_MAP()

private:
    // The check boxes and the option each one shows.
    struct CCheckOption
    {
        CButton cMassFinderDlg::*m_check;
        BOOL CMassFinder::*m_option;
    };
    static const CCheckOption s_checkOptions[5];
};

// The most recently constructed dialog and the installed message hook; read
// by the hook procedure.
extern cMassFinderDlg* g_pMassFinderDlg;
extern HHOOK g_hDialogMessageHook;

LRESULT CALLBACK DialogMessageHookProc(int code, WPARAM wParam, LPARAM lParam);

// MassFinder: the outline search tool. The module object holds the search
// options, the recent patterns and the open dialog; its operations are the
// search walk (OutlineSearch.cpp), the search command and its report lines
// (SearchReport.cpp), the settings section (MassFinderSettings.cpp) and the
// tool call that opens the dialog (MassFinder.cpp).
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include "cdk/ItemTypes.h"
#include "cdk/cdk.h"
#include "host/ModuleBase.h"
#include "massfinder/LineMatcher.h"

class cMassFinderDlg;

class CMassFinder : public COlvarenModuleBase
{
public:
    explicit CMassFinder(COlvarenNotificationInterface* pHost);
    virtual ~CMassFinder();

    virtual void OnToolInvoked(int toolParameter, CStringArray* arguments);

    // Opens the search dialog unless one is open or no application is loaded.
    void ShowDialog();

    // The search command: saves the settings, writes the header, walks the
    // outline and writes the summary.
    void Search(const CString& pattern);
    // Writes the report line of one hit.
    void ReportHit(CGItem& item);

    // The walk: the roots (whole application or the marked items), one item's
    // own line, and an item's children (ordinary pass, then comment pass) at
    // a depth of the walk (the roots' children at 0).
    void SearchOutline(CGApplication& app);
    void SearchItem(CGItem& item);
    void SearchChildren(CGItem& item, int nDepth);

    // Settings section "massfinder" and the recent patterns.
    BOOL ReloadSettingsIfChanged();
    void LoadSettings();
    void SaveSettings();
    void AddRecentPattern(const CString& pattern);

    // The outline line of an item: title, ":" unless the text is empty or the
    // type is colon-less, one blank, text.
    static CString BuildOutlineLine(const CGItem& item);
    static void BuildOutlineLine(const CGItem& item, int type, CString& line);

    CStringArray m_recentPatterns;   // oldest first, newest last
    CString m_pattern;               // the current search's pattern (lower-cased without match case)
    cMassFinderDlg* m_pDialog;       // the open dialog, NULL when none
    int m_hitCount;                  // hits of the current search
    BOOL m_matchCase;
    BOOL m_ignoreIncludes;
    BOOL m_onlyMarkedItems;
    BOOL m_ignoreComments;
    BOOL m_wholeWord;
    __time64_t m_settingsStamp;      // settings file's modification time at the last load
    BOOL m_settingsLoaded;           // FALSE until the first load

private:
    BOOL IsIncludedItem(const CGItem& item) const;

    // The head of one item's line into m_lineBuffer; returns its length.
    int BuildLineHead(const CGString& title, const CGString& text, int type);
    CGObjectList& ChildList(int nDepth);
    void FreeChildLists();

    CLineMatcher m_matcher;          // the current search's pattern test
    CString m_lineBuffer;            // room for the line under test during a walk
    CArray<CGObjectList*, CGObjectList*> m_childLists;   // by depth, during a walk
    CStringArray m_pathNames;        // a hit's location path, innermost first
};

// Item-type sets of the search.
BOOL IsUnsearchedItemType(int type);
// Lower-cases `text` in place in the system's ANSI code page.
void LowerCase(CString& text);
BOOL IsColonlessItemType(int type);

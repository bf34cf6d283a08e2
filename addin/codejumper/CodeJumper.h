// CodeJumper: the F2 / Ctrl+F2 navigation tool. F2 in the inline editor jumps
// to the item that declares the identifier under the caret and remembers the
// line it came from; Ctrl+F2 returns to the most recent such line. The
// return points form a stack without a size limit and without a redo list.
#pragma once

#include <afx.h>
#include <afxtempl.h>
#include <windows.h>
#include <commctrl.h>

#include "cdk/cdk.h"
#include "host/ModuleBase.h"

class CCodeJumper : public COlvarenModuleBase
{
public:
    // A place to show: an outline item, and the outline tree's item to
    // select before showing it (0 = none recorded).
    struct CJumpItem
    {
        HOUTLINE hOutline;
        HITEM hItem;
        HTREEITEM hTreeItem;
    };

    explicit CCodeJumper(COlvarenNotificationInterface* pHost);
    virtual ~CCodeJumper();

    // File read (0), run design (5) and run user (6) empty the history.
    virtual void OnTaskNotification(void* subject, int code);
    // F2 jumps forward, Ctrl+F2 back; both are always handled, nothing else is.
    virtual BOOL OnKeyDown(int modifiers, int virtualKey);

    void JumpForward();
    void Jumpbackward();
    // Selects the record's tree item (the tree's first root item when none is
    // recorded, which is then filled in) and has the IDE show the record's
    // item. Returns the IDE's answer, 0 when the item no longer exists.
    int ShowJumpItem(CJumpItem& item);
    void ClearHistory();

private:
    void LoadSettings();
    void SaveSettings();

    CList<CJumpItem*, CJumpItem*> m_history;   // owned; oldest at the head
};

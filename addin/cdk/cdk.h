// The Team Developer CDK class library (cdki42.dll) as the add-in sees it:
// outline and item handles, the item wrappers, the object list, the string
// result and the notification interface. The add-in links against the
// library that implements these (here: the stand-in IDE's cdki42 module).
#pragma once

#include <afx.h>
#include <afxtempl.h>
#include <windows.h>

#include <vector>

#ifndef CDKAPI
#ifdef _WIN32
#define CDKAPI  // imported from cdki42.dll through its import library
#else
#define CDKAPI __attribute__((visibility("default")))
#endif
#endif

// Opaque handles of one loaded outline and of one item in it; 0 is "none".
typedef DWORD HOUTLINE;
typedef DWORD HITEM;

class CGApplication;
class CGObjectList;

// A string result of the CDK, read as NUL-terminated text. A short text is
// held inside the object, a longer one in a heap copy.
class CDKAPI CGString
{
public:
    CGString();
    CGString(const char* text);
    CGString(const CGString& other);
    CGString& operator=(const CGString& other);
    ~CGString();

    operator const char*() const { return m_pszText; }
    const char* GetText() const { return m_pszText; }
    int GetLength() const { return m_nLength; }
    BOOL IsEmpty() const { return m_nLength == 0 ? TRUE : FALSE; }

private:
    friend class CGStringAccess;   // the CDK fills results from its own bytes
    enum { kInlineLength = 95 };   // texts up to this length need no heap copy
    void Assign(const char* text, int nLength);
    char* m_pszText;               // m_szInline, or the heap copy
    int m_nLength;
    char m_szInline[kInlineLength + 1];
};

// One (outline, item) pair. Default-constructed it refers to nothing and
// IsValid() is FALSE. Finders return non-zero on success and fill an out
// item; on failure they leave the out item empty.
class CDKAPI CGItem : public CObject
{
    DECLARE_DYNAMIC(CGItem)
public:
    CGItem();
    CGItem(HOUTLINE hOutline, HITEM hItem);
    CGItem(const CGItem& other);
    CGItem& operator=(const CGItem& other);
    virtual ~CGItem();

    BOOL Initialize(HOUTLINE hOutline, HITEM hItem);
    HOUTLINE GetOutline() const;
    HITEM GetItem() const;
    BOOL IsValid() const;

    int GetItemType() const;
    CGString GetTitle(int nFlags) const;   // keyword or data type before the colon
    CGString GetText() const;              // the part after it
    CGString GetName() const;              // the declared name
    BOOL GetObjectClass(CGString& className) const;

    BOOL GetParentItem(CGItem& parent) const;
    BOOL GetFirstSibling(CGItem& sibling) const;
    BOOL GetNextSibling(CGItem& sibling) const;
    BOOL GetApp(CGApplication& app) const;

    BOOL GetChildOfType(int nType, CGItem& child, int nReserved) const;
    BOOL GetChildObjectByName(const char* name, CGItem& child, int nReserved) const;
    // Fills the list (emptied first) with the children in outline order: with
    // a type filter of 0 every child that is not a comment, otherwise the
    // children of that type. Returns the number of entries.
    int EnumChildObjects(CGObjectList& list, int nReserved, int nTypeFilter) const;

protected:
    friend class CGObjectListAccess;   // the CDK fills list entries in place
    HOUTLINE m_hOutline;
    HITEM m_hItem;
};

// A class definition.
class CDKAPI CGClass : public CGItem
{
    DECLARE_DYNAMIC(CGClass)
public:
    CGClass();
    CGClass(HOUTLINE hOutline, HITEM hItem);
    virtual ~CGClass();

    // One entry per direct base class, in the order the class names them;
    // each entry's GetName() is the base class's name.
    int EnumBaseClasses(CGObjectList& list) const;
    // Non-zero when this item is a class derived, directly or not, from the
    // class of that name in the same class section; a class is not derived
    // from itself.
    BOOL IsDerivedFrom(const char* className) const;
};

// A window item that can stand inside a form, dialog or table window.
class CDKAPI CGChildWindow : public CGItem
{
    DECLARE_DYNAMIC(CGChildWindow)
public:
    CGChildWindow();
    CGChildWindow(HOUTLINE hOutline, HITEM hItem);
    virtual ~CGChildWindow();

    BOOL IsTypeAllowed(int nType) const;
};

// The application of one outline: its top item, its marked items, the IDE's
// main window and its report window.
class CDKAPI CGApplication : public CGItem
{
    DECLARE_DYNAMIC(CGApplication)
public:
    CGApplication();
    CGApplication(HOUTLINE hOutline, HITEM hItem);
    virtual ~CGApplication();

    BOOL GetFirstMarked(CGItem& item) const;
    BOOL GetNextMarked(const CGItem& current, CGItem& item) const;
    int GetMarkedItems(CGObjectList& list) const;   // emptied first; outline order
    HWND GetMainWindow() const;
    // Appends a line to the report window; with an item the line leads to it.
    BOOL ReportMessage(const char* text, CGItem* item);
};

// Ordered list of items filled by the CDK. The list owns its entries;
// callers walk it head to tail and never delete entries themselves.
class CDKAPI CGObjectList : public CObject
{
    DECLARE_DYNAMIC(CGObjectList)
public:
    CGObjectList();
    virtual ~CGObjectList();

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0 ? TRUE : FALSE; }
    // Positions run over the entries in order; NULL past the last.
    POSITION GetHeadPosition() const { return m_nCount == 0 ? NULL : ToPosition(0); }
    CGItem* GetNext(POSITION& pos) const
    {
        INT_PTR index = reinterpret_cast<INT_PTR>(pos) - 1;
        pos = index + 1 < m_nCount ? ToPosition(index + 1) : NULL;
        return const_cast<CGItem*>(&m_entries[static_cast<size_t>(index)]);
    }
    CGItem* GetHead() const { return m_nCount == 0 ? NULL : const_cast<CGItem*>(&m_entries[0]); }
    void RemoveAll();
    void AddTail(CGItem* item);   // takes ownership (used by the CDK)

private:
    friend class CGObjectListAccess;   // the CDK appends entries in place
    CGObjectList(const CGObjectList&);
    CGObjectList& operator=(const CGObjectList&);
    static POSITION ToPosition(INT_PTR index) { return reinterpret_cast<POSITION>(index + 1); }
    // The entries, one contiguous array whose places are reused when the
    // list is filled again; the first m_nCount are in the list.
    std::vector<CGItem> m_entries;
    int m_nCount;
};

// The notification groups and codes of CGNotificationInterface::OnNotification;
// its default turns each into the operation named beside it. The host hands
// the same codes on to the tool modules.
enum CdkNotifyGroup
{
    CDK_GROUP_OUTLINE = 1,
    CDK_GROUP_TASK = 2
};
enum CdkOutlineCode
{
    CDK_ITEM_INSERTED = 0,     // OnItemInserted
    CDK_ITEM_DELETED = 1,      // OnItemDeleted
    CDK_ITEM_MODIFIED = 2,     // OnItemModified
    CDK_ITEM_MOVED = 3,        // OnItemMoved
    CDK_ITEM_SELECTED = 4,     // OnItemSelected
    CDK_ITEM_EXPANDED = 5,     // OnItemExpanded
    CDK_ITEM_COLLAPSED = 6,    // OnItemCollapsed
    CDK_OUTLINE_CLEARED = 7    // OnOutlineCleared
};
enum CdkTaskCode
{
    CDK_FILE_READ = 0,         // OnFileRead
    CDK_FILE_SAVE = 1,         // OnFileSave
    CDK_FILE_NEW = 2,          // OnFileNew
    CDK_FILE_CLOSE = 3,        // OnFileClose
    CDK_COMPILE = 4,           // OnCompile
    CDK_RUN_DESIGN = 5,        // OnRunDesign
    CDK_RUN_USER = 6,          // OnRunUser
    CDK_TASK_ACTIVATE = 7,     // OnTaskActivate
    CDK_TASK_DEACTIVATE = 8,   // OnTaskDeactivate
    CDK_TASK_SHUTDOWN = 9      // TaskShutdown
};

// The IDE's event sink. The virtual operations stand in this slot order;
// the defaults do nothing. Subjects are the CDK's objects, passed as given.
class CDKAPI CGNotificationInterface : public CObject
{
    DECLARE_DYNAMIC(CGNotificationInterface)
public:
    CGNotificationInterface();
    virtual ~CGNotificationInterface();

    virtual BOOL IsValid() const;
    virtual void SetValid(BOOL bValid);

    virtual void OnRegistrationHookSet();                                          // 1
    virtual void OnNotification(int nGroup, int nCode, HOUTLINE hOutline, HITEM hItem); // 2
    // outline group
    virtual void OnItemInserted(CObject* pSubject);                                // 3
    virtual void OnItemDeleted(CObject* pSubject);                                 // 4
    virtual void OnItemModified(HOUTLINE hOutline, HITEM hItem);                   // 5
    virtual void OnItemMoved(CObject* pSubject);                                   // 6
    virtual void OnItemSelected(CObject* pSubject);                                // 7
    virtual void OnItemExpanded(CObject* pSubject);                                // 8
    virtual void OnItemCollapsed(CObject* pSubject);                               // 9
    virtual void OnOutlineCleared(CObject* pSubject);                              // 10
    // task group
    virtual void OnFileRead(CGItem* pItem);                                        // 11
    virtual void OnFileSave(CObject* pSubject);                                    // 12
    virtual void OnFileNew(CObject* pSubject);                                     // 13
    virtual void OnFileClose(CObject* pSubject);                                   // 14
    virtual void OnCompile(CObject* pSubject);                                     // 15
    virtual void OnRunDesign(CObject* pSubject);                                   // 16
    virtual void OnRunUser(CObject* pSubject);                                     // 17
    virtual void OnTaskActivate(CGItem* pApp);                                     // 18
    virtual void OnTaskDeactivate(CObject* pSubject);                              // 19
    virtual void TaskShutdown();                                                   // 20
    virtual void OnUnknownNotification(int nGroup, int nCode, HOUTLINE hOutline, HITEM hItem); // 21

private:
    BOOL m_bValid;
};

// Registration of the one sink, and the start of notifications.
CDKAPI BOOL CDKRegisterNotificationInterface(CGNotificationInterface* pSink);
CDKAPI BOOL CDKStartNotifications();

// Plain functions of cdki42.dll that the add-in binds by name or ordinal.
typedef BOOL (WINAPI* PFN_CDKISITEMINCLUDED)(HOUTLINE hOutline, HITEM hItem);
typedef BOOL (WINAPI* PFN_CDKOUTLINECHANGESELECT)(HOUTLINE hOutline, HITEM hItem, BOOL bSelect);
// The design hook entry, exported by the CDK under this ordinal; the IDE
// calls it (through a tool DLL's SWinDesignHookSet) once the tool is loaded.
#define CDK_ORDINAL_DESIGNHOOKSET 92
typedef BOOL (WINAPI* PFN_SWINDESIGNHOOKSET)(HWND hWndMain, DWORD dwReserved);

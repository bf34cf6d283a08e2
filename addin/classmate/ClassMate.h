// ClassMate: the class-hierarchy report tool. It answers the tool call that
// names "ClassMate", writes the report for the selected class definition to
// the IDE's report window, and keeps its (empty) settings section.
#pragma once

#include <afx.h>
#include <afxtempl.h>

#include "cdk/cdk.h"
#include "host/ModuleBase.h"

class CClassMate : public COlvarenModuleBase
{
public:
    // One ancestor found by the walk over the base classes.
    struct CBaseClassExt
    {
        CGClass* m_pClass;   // owned: the ancestor's class definition
        int m_depth;         // 0 for a direct base, one more per further step up
    };

    // The most base-class lines one report lists; a diamond-shaped hierarchy
    // lists its shared ancestry once per path, which doubles per level.
    enum { MAX_BASE_CLASS_LINES = 10000 };

    explicit CClassMate(COlvarenNotificationInterface* pHost);
    virtual ~CClassMate();

    virtual void OnToolInvoked(int toolParameter, CStringArray* arguments);

    // The command: checks the selection and writes the report for the one
    // selected class definition.
    void ShowClassHierarchy();
    // Writes the report lines for `cls`: header, rule, ancestors, derived classes.
    void ReportClassHierarchy(CGClass& cls);
    // Appends the ancestors of `classItem` to `list`, depth first, the direct
    // bases at `depth`, their bases one deeper, and so on.
    void CollectBaseClasses(CGItem& classItem, CList<CClassMate::CBaseClassExt*, CClassMate::CBaseClassExt*>& list,
                            int depth);

private:
    // The walk of CollectBaseClasses, listing at most MAX_BASE_CLASS_LINES
    // records; `leftOut` receives how many further lines it left out.
    void CollectBaseClassesBounded(CGItem& classItem, CList<CBaseClassExt*, CBaseClassExt*>& list, int depth,
                                   ULONGLONG& leftOut);

    void LoadSettings();
    void SaveSettings();
};

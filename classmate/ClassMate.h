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
    // One class on the chain from the reported class up to the class being
    // examined; lives on the stack of the walk.
    struct CPathStep
    {
        HOUTLINE m_hOutline;
        HITEM m_hItem;
        const CPathStep* m_pDerived;   // the step below, NULL for the reported class
    };

    void CollectBaseClassesOnPath(CGItem& classItem, CList<CBaseClassExt*, CBaseClassExt*>& list, int depth,
                                  const CPathStep& path);
    static BOOL IsOnPath(const CPathStep& path, HOUTLINE hOutline, HITEM hItem);

    void LoadSettings();
    void SaveSettings();
};

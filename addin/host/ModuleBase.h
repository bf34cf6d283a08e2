// The base class of the tool modules (CodeJumper, MassFinder, ClassMate):
// the six operations through which the host offers IDE events, tool calls
// and keystrokes to every module. The defaults do nothing.
#pragma once

#include <afx.h>
#include <afxcoll.h>

class COlvarenNotificationInterface;

// Modifier code handed to OnKeyDown: a bit set of the keys held down.
#define KEYMOD_SHIFT 1
#define KEYMOD_CTRL  2
#define KEYMOD_ALT   4

class COlvarenModuleBase
{
public:
    explicit COlvarenModuleBase(COlvarenNotificationInterface* pHost);
    virtual ~COlvarenModuleBase();

    // code: the outline-group notification (CdkOutlineCode, cdk.h).
    virtual void OnOutlineNotification(void* subject, int code);
    // code: the task-group notification (CdkTaskCode, cdk.h) from
    // CDK_FILE_READ to CDK_TASK_DEACTIVATE; the shutdown is OnTaskShutdown.
    virtual void OnTaskNotification(void* subject, int code);
    virtual void OnTaskShutdown();
    // The tool entry's argument string split at every blank.
    virtual void OnToolInvoked(int toolParameter, CStringArray* arguments);
    // Returns TRUE when the module handled (consumes) the key.
    virtual BOOL OnKeyDown(int modifiers, int virtualKey);

protected:
    // TRUE when the tool call names this module: at least two tokens and the
    // second equals toolName, compared without regard to case.
    static BOOL IsToolCallFor(const CStringArray* arguments, const char* toolName);

    COlvarenNotificationInterface* m_pHost;   // not owned

private:
    COlvarenModuleBase(const COlvarenModuleBase&);
    COlvarenModuleBase& operator=(const COlvarenModuleBase&);
};

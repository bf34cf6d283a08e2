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

    // code 0..7: the outline-group notification, in the CDK's order.
    virtual void OnOutlineNotification(void* subject, int code);
    // code 0 file read, 1..4 the further task notifications, 5 run design,
    // 6 run user, 7 task activate, 8 task deactivate.
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

// Test-only part of the probe build of the add-in (OlvarenProbe.dll): the
// add-in's own code plus this file. It lets a test append recording modules
// to the host's module list and reach the host's helpers. A probe module
// writes every call it receives to the debug channel as one "[Probe] ..."
// line (directly, so the trace switch does not matter) and answers
// key-downs with a fixed result.
#include <afxwin.h>
#include <standin.h>

#include <stdio.h>

#include "host/ErrorBox.h"
#include "host/OlvarenApp.h"
#include "host/OlvarenHost.h"
#include "host/RuntimeFunctions.h"
#include "host/WindowSearch.h"
#include "settings/Settings.h"

namespace
{
class CProbeModule : public COlvarenModuleBase
{
public:
    CProbeModule(COlvarenNotificationInterface* pHost, int id, BOOL keyResult)
        : COlvarenModuleBase(pHost), m_id(id), m_keyResult(keyResult)
    {
    }
    virtual ~CProbeModule() { Record("deleted"); }

    virtual void OnOutlineNotification(void* subject, int code)
    {
        CString line;
        line.Format("outline %d", code);
        if (code == CDK_ITEM_MODIFIED)
            AppendItem(line, static_cast<CGItem*>(subject));
        Record(line);
    }
    virtual void OnTaskNotification(void* subject, int code)
    {
        CString line;
        line.Format("task %d", code);
        if (code == CDK_FILE_READ || code == CDK_TASK_ACTIVATE)
            AppendItem(line, static_cast<CGItem*>(subject));
        Record(line);
    }
    virtual void OnTaskShutdown() { Record("shutdown"); }
    virtual void OnToolInvoked(int toolParameter, CStringArray* arguments)
    {
        CString line;
        line.Format("tool %d", toolParameter);
        for (int i = 0; i < arguments->GetSize(); ++i)
            line += " [" + arguments->GetAt(i) + "]";
        Record(line);
    }
    virtual BOOL OnKeyDown(int modifiers, int virtualKey)
    {
        CString line;
        line.Format("key %d %d", modifiers, virtualKey);
        Record(line);
        return m_keyResult;
    }

private:
    static void AppendItem(CString& line, const CGItem* item)
    {
        line.AppendFormat(" (%lu,%lu)", static_cast<unsigned long>(item->GetOutline()),
                          static_cast<unsigned long>(item->GetItem()));
    }
    void Record(const CString& what) const
    {
        CString line;
        line.Format("[Probe %d] %s", m_id, what.GetString());
        OutputDebugStringA(line);
    }

    int m_id;
    BOOL m_keyResult;
};
}  // namespace

extern "C" STANDIN_VISIBLE void ProbeAttach(int id, BOOL keyResult)
{
    theHost.m_modules.AddTail(new CProbeModule(&theHost, id, keyResult));
}

// The host's state: "modules=N tree=0|1 app=(o,i) hook=0|1 instance=0|1 debug=N path=..."
extern "C" STANDIN_VISIBLE void ProbeHostState(char* buffer, int size)
{
    snprintf(buffer, size, "modules=%d tree=%d app=(%lu,%lu) hook=%d instance=%d debug=%d path=%s",
             static_cast<int>(theHost.m_modules.GetCount()), theHost.m_hTreeCtrl != NULL,
             static_cast<unsigned long>(theHost.m_app.GetOutline()),
             static_cast<unsigned long>(theHost.m_app.GetItem()), theHost.m_hKeyboardHook != NULL,
             theApp.m_hInstance == GetModuleHandleA("OlvarenProbe.dll"), theHost.m_debugMode,
             theHost.m_settingsPath.GetString());
}

extern "C" STANDIN_VISIBLE HWND ProbeFindOutlineTree(HWND parent)
{
    g_foundTreeCtrl = NULL;
    g_foundMarker = NULL;
    FindOutlineTree(parent);
    return g_foundTreeCtrl;
}

extern "C" STANDIN_VISIBLE HWND ProbeGetOutlineTreeCtrl()
{
    return GetOutlineTreeCtrl(&theHost);
}

extern "C" STANDIN_VISIBLE HWND ProbeFindEditWindowByText(HWND parent, const char* text)
{
    return FindEditWindowByText(parent, CString(text));
}

// One character per runtime function in the list's order (cdlli42's, then
// cdki42's): '1' bound, '0' not.
extern "C" STANDIN_VISIBLE void ProbeRuntimeBindings(char* buffer, int size)
{
#define PROBE_BINDING(ordinal, name, function, type, pointer) pointer != NULL,
    const bool bound[] = {CDLLI42_FUNCTIONS(PROBE_BINDING) CDKI42_FUNCTIONS(PROBE_BINDING)};
#undef PROBE_BINDING
    int n = 0;
    for (bool entry : bound)
        if (n + 1 < size)
            buffer[n++] = entry ? '1' : '0';
    buffer[n] = '\0';
}

// GetIncludingItem: -1 when FALSE, else the including item's handle.
extern "C" STANDIN_VISIBLE long ProbeGetIncludingItem(HOUTLINE hOutline, HITEM hItem)
{
    CGItem out;
    if (!GetIncludingItem(out, CGItem(hOutline, hItem)))
        return -1;
    return static_cast<long>(out.GetItem());
}

extern "C" STANDIN_VISIBLE int ProbeShowErrorBox(const char* message)
{
    return ShowErrorBox(message);
}

// One writer's save in the modules' pattern: the section re-created, one
// property "value" filled in, the document saved. TRUE when the save succeeded.
extern "C" STANDIN_VISIBLE BOOL ProbeSaveSection(const char* name, const char* value)
{
    pugi::xml_document doc;
    pugi::xml_node section;
    if (!OpenSettingsSection(name, TRUE, section, &theHost, doc))
        return FALSE;
    pugi::xml_node property = section.append_child("property");
    property.append_attribute("name").set_value("value");
    property.append_attribute("value").set_value(value);
    return SaveSettings(doc, &theHost);
}

STANDIN_EXPORTS(
    STANDIN_EXPORT(100, ProbeAttach),
    STANDIN_EXPORT(101, ProbeHostState),
    STANDIN_EXPORT(102, ProbeFindOutlineTree),
    STANDIN_EXPORT(103, ProbeGetOutlineTreeCtrl),
    STANDIN_EXPORT(104, ProbeFindEditWindowByText),
    STANDIN_EXPORT(105, ProbeRuntimeBindings),
    STANDIN_EXPORT(106, ProbeGetIncludingItem),
    STANDIN_EXPORT(107, ProbeShowErrorBox),
    STANDIN_EXPORT(108, ProbeSaveSection));

// Finding the IDE's outline tree view: the tree view standing next to the
// status marker window, searched depth first from the IDE main window.
#include "host/WindowSearch.h"

#include <string.h>

#include "host/OlvarenHost.h"
#include "trace/DebugStream.h"

HWND g_foundTreeCtrl = NULL;
HWND g_foundMarker = NULL;

BOOL FindOutlineTree(HWND parent)
{
    HWND hChild = NULL;
    while ((hChild = FindWindowExA(parent, hChild, NULL, NULL)) != NULL)
    {
        char className[100];
        char text[10];
        className[0] = '\0';
        text[0] = '\0';
        GetClassNameA(hChild, className, sizeof(className));
        GetWindowTextA(hChild, text, sizeof(text));

        if (strcmp(className, "SysTreeView32") == 0)
            g_foundTreeCtrl = hChild;
        else if ((strcmp(className, "AfxWnd42") == 0 || strcmp(className, "Static") == 0) &&
                 strcmp(text, "SWStat") == 0)
            g_foundMarker = hChild;
        else
            FindOutlineTree(hChild);

        if (g_foundTreeCtrl != NULL && g_foundMarker != NULL)
            break;
    }
    return g_foundTreeCtrl != NULL;
}

HWND GetOutlineTreeCtrl(COlvarenNotificationInterface* host)
{
    if (host->m_hTreeCtrl != NULL)
        return host->m_hTreeCtrl;

    HWND hMain = host->m_app.GetMainWindow();
    g_foundTreeCtrl = NULL;
    g_foundMarker = NULL;
    if (FindOutlineTree(hMain))
    {
        host->m_hTreeCtrl = g_foundTreeCtrl;
        if (host->m_debugMode != 0)
            g_dout << "[Olvaren] TreeCtrl successfully acquired." << std::endl;
    }
    return host->m_hTreeCtrl;
}

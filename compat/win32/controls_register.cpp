// Registration of the system window classes (standard controls, tree view,
// dialog class) and the common-controls initialisation entry points.
#include "controls_register.h"

#include <commctrl.h>

#include "controls_util.h"

namespace standin {
namespace {

bool g_registered = false;

void Register(const char* name, WNDPROC proc, UINT style, int extraBytes) {
  WNDCLASSA wc = {};
  wc.style = style | CS_GLOBALCLASS;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = extraBytes;
  wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

// Until the window manager calls RegisterSystemClasses itself, the classes
// are registered when the library is loaded.
struct RegisterAtLoad {
  RegisterAtLoad() { RegisterSystemClasses(); }
} g_registerAtLoad;

}  // namespace

void RegisterSystemClasses() {
  if (g_registered) return;
  g_registered = true;
  Register(WC_BUTTONA, ButtonWndProc, CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW,
           kControlExtraBytes);
  Register(WC_EDITA, EditWndProc, CS_DBLCLKS | CS_PARENTDC, kControlExtraBytes);
  Register(WC_STATICA, StaticWndProc, CS_DBLCLKS | CS_PARENTDC, kControlExtraBytes);
  Register(WC_COMBOBOXA, ComboBoxWndProc, CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW,
           kControlExtraBytes);
  Register(WC_TREEVIEWA, TreeViewWndProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, kControlExtraBytes);
  // The dialog class: DefDlgProcA is its window procedure.
  Register("#32770", DefDlgProcA, CS_DBLCLKS | CS_SAVEBITS, DLGWINDOWEXTRA);
}

}  // namespace standin

extern "C" {

void WINAPI InitCommonControls(void) { standin::RegisterSystemClasses(); }

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
  if (!picce || picce->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
  standin::RegisterSystemClasses();
  return TRUE;
}

}  // extern "C"

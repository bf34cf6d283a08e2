// The Win32 implementation of the test helpers declared in standin.h.
#include "standin.h"

#include <algorithm>
#include <mutex>

namespace {

std::mutex g_lock;
std::vector<std::string>* g_debug = nullptr;
std::vector<UINT>* g_held = nullptr;

// OutputDebugStringA raises DBG_PRINTEXCEPTION_C with the length and the
// text as its two arguments; a handler that continues execution takes it.
LONG CALLBACK CaptureDebugString(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* r = info->ExceptionRecord;
  if (r->ExceptionCode != DBG_PRINTEXCEPTION_C || r->NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
  const char* text = reinterpret_cast<const char*>(r->ExceptionInformation[1]);
  size_t length = static_cast<size_t>(r->ExceptionInformation[0]);
  std::string line(text, length);
  while (!line.empty() && line.back() == '\0') line.pop_back();
  std::lock_guard<std::mutex> g(g_lock);
  g_debug->push_back(line);
  return EXCEPTION_CONTINUE_EXECUTION;
}

// Message boxes: a CBT hook on the thread that loaded this DLL sees each box
// as it is activated and records it; a timer answers it from the box's own
// modal loop (with the queued answer, or else its default button), so that
// no box blocks a test. The
// style is read back from the box: its buttons and its system icon.
std::vector<standin::MessageBoxRecord>* g_boxes = nullptr;
std::vector<int>* g_answers = nullptr;
std::vector<HWND>* g_unanswered = nullptr;
HHOOK g_cbtHook = nullptr;

struct BoxParts {
  std::string text;
  HICON icon = nullptr;
  int defaultButton = 0;
};

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM param) {
  BoxParts* parts = reinterpret_cast<BoxParts*>(param);
  char cls[16] = "";
  GetClassNameA(child, cls, sizeof cls);
  const LONG style = GetWindowLongA(child, GWL_STYLE);
  if (lstrcmpiA(cls, "Button") == 0 && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
    parts->defaultButton = GetDlgCtrlID(child);
  if (lstrcmpiA(cls, "Static") != 0) return TRUE;
  if ((style & SS_TYPEMASK) == SS_ICON) {
    parts->icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
  } else {
    char text[4096] = "";
    GetWindowTextA(child, text, sizeof text);
    if (text[0] != '\0') parts->text = text;
  }
  return TRUE;
}

UINT BoxStyle(HWND box, HICON icon) {
  auto has = [box](int id) { return GetDlgItem(box, id) != nullptr; };
  UINT style = MB_OK;
  if (has(IDABORT)) style = MB_ABORTRETRYIGNORE;
  else if (has(IDYES) && has(IDCANCEL)) style = MB_YESNOCANCEL;
  else if (has(IDYES)) style = MB_YESNO;
  else if (has(IDRETRY)) style = MB_RETRYCANCEL;
  else if (has(IDCANCEL) && has(IDOK)) style = MB_OKCANCEL;
  const struct { LPCSTR id; UINT flag; } icons[] = {
      {IDI_HAND, MB_ICONHAND}, {IDI_QUESTION, MB_ICONQUESTION},
      {IDI_EXCLAMATION, MB_ICONEXCLAMATION}, {IDI_ASTERISK, MB_ICONASTERISK}};
  for (const auto& i : icons)
    if (icon != nullptr && LoadIconA(nullptr, i.id) == icon) style |= i.flag;
  return style;
}

// A message box is a dialog whose dialog procedure is user32's own (an
// application's dialogs have theirs in their own modules).
bool IsMessageBox(HWND box) {
  char cls[16] = "";
  GetClassNameA(box, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") != 0) return false;
  LONG_PTR proc = IsWindowUnicode(box) ? GetWindowLongPtrW(box, DWLP_DLGPROC) : GetWindowLongPtrA(box, DWLP_DLGPROC);
  HMODULE owner = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(proc), &owner);
  return owner != nullptr && owner == GetModuleHandleA("user32.dll");
}

// Answers the box once its modal loop runs (its default button is set by
// then): the queued answer kept on the box, or else the default button.
VOID CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  std::vector<HWND> boxes;
  {
    std::lock_guard<std::mutex> g(g_lock);
    boxes.swap(*g_unanswered);
  }
  for (HWND box : boxes) {
    if (!IsWindow(box)) continue;
    int answer = static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(box, "olvaren.answer")));
    if (answer == 0) {
      BoxParts parts;
      EnumChildWindows(box, ReadBoxChild, reinterpret_cast<LPARAM>(&parts));
      answer = parts.defaultButton;
    }
    const int order[] = {IDOK, IDYES, IDRETRY, IDABORT, IDCANCEL, IDNO, IDIGNORE};
    for (int id : order)
      if (answer == 0 && GetDlgItem(box, id) != nullptr) answer = id;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
  }
}

LRESULT CALLBACK WatchMessageBoxes(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    if (IsMessageBox(box) && GetPropA(box, "olvaren.recorded") == nullptr) {
      SetPropA(box, "olvaren.recorded", box);
      BoxParts parts;
      EnumChildWindows(box, ReadBoxChild, reinterpret_cast<LPARAM>(&parts));
      char caption[1024] = "";
      GetWindowTextA(box, caption, sizeof caption);
      std::lock_guard<std::mutex> g(g_lock);
      g_boxes->push_back({GetWindow(box, GW_OWNER), parts.text, caption, BoxStyle(box, parts.icon)});
      if (!g_answers->empty()) {
        SetPropA(box, "olvaren.answer", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(g_answers->front())));
        g_answers->erase(g_answers->begin());
      }
      g_unanswered->push_back(box);
      SetTimer(nullptr, 0, 0, AnswerBoxes);
    }
  }
  return CallNextHookEx(g_cbtHook, code, wParam, lParam);
}

struct Installer {
  Installer() {
    g_debug = new std::vector<std::string>;
    g_held = new std::vector<UINT>;
    g_boxes = new std::vector<standin::MessageBoxRecord>;
    g_answers = new std::vector<int>;
    g_unanswered = new std::vector<HWND>;
    AddVectoredExceptionHandler(1, CaptureDebugString);
    g_cbtHook = SetWindowsHookExA(WH_CBT, WatchMessageBoxes, nullptr, GetCurrentThreadId());
  }
} g_installer;

// The thread's key state as it is once the key message has been read (the
// stand-in's keyboard device updates it at the event), for both the generic
// and the left-hand key of Shift, Ctrl and Alt.
void SetThreadKeyState(UINT vk, bool up) {
  BYTE state[256];
  if (!GetKeyboardState(state)) return;
  UINT sided = vk == VK_SHIFT ? VK_LSHIFT : vk == VK_CONTROL ? VK_LCONTROL : vk == VK_MENU ? VK_LMENU : 0;
  for (UINT k : {vk, sided})
    if (k) state[k] = up ? 0 : 0x80;
  const UINT sides[][3] = {{VK_SHIFT, VK_LSHIFT, VK_RSHIFT}, {VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
                           {VK_MENU, VK_LMENU, VK_RMENU}};
  for (const auto& s : sides)  // the generic key is down while either side is
    if (vk == s[1] || vk == s[2]) state[s[0]] = ((state[s[1]] | state[s[2]]) & 0x80) ? 0x80 : 0;
  SetKeyboardState(state);
}

bool Send(UINT vk, bool up) {
  if (vk == 0 || vk > 0xFE) return false;
  SetThreadKeyState(vk, up);
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = static_cast<WORD>(vk);
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return SendInput(1, &in, sizeof in) == 1;
}

}  // namespace

namespace standin {

bool KeyDown(UINT vk) {
  if (!Send(vk, false)) return false;
  std::lock_guard<std::mutex> g(g_lock);
  g_held->push_back(vk);
  return true;
}

bool KeyUp(UINT vk) {
  {
    std::lock_guard<std::mutex> g(g_lock);
    auto it = std::find(g_held->begin(), g_held->end(), vk);
    if (it == g_held->end()) return false;
    g_held->erase(it);
  }
  return Send(vk, true);
}

bool KeyRepeat(UINT vk, int count) {
  {
    std::lock_guard<std::mutex> g(g_lock);
    if (std::find(g_held->begin(), g_held->end(), vk) == g_held->end()) return false;
  }
  for (int i = 0; i < count; ++i)
    if (!Send(vk, false)) return false;
  return true;
}

bool KeyStroke(UINT vk) { return KeyDown(vk) && KeyUp(vk); }

bool KeyChord(const std::vector<UINT>& keys) {
  for (UINT vk : keys)
    if (!KeyDown(vk)) return false;
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) KeyUp(*it);
  return true;
}

void ReleaseAllKeys() {
  std::vector<UINT> held;
  {
    std::lock_guard<std::mutex> g(g_lock);
    held.swap(*g_held);
  }
  for (auto it = held.rbegin(); it != held.rend(); ++it) Send(*it, true);
}

int RunPendingMessages() {
  int count = 0;
  MSG m;
  while (count < 10000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    TranslateMessage(&m);
    DispatchMessageA(&m);
    ++count;
  }
  return count;
}

std::vector<std::string> DebugOutput() {
  std::lock_guard<std::mutex> g(g_lock);
  return *g_debug;
}

std::vector<std::string> TakeDebugOutput() {
  std::lock_guard<std::mutex> g(g_lock);
  std::vector<std::string> out;
  out.swap(*g_debug);
  return out;
}

void ClearDebugOutput() { TakeDebugOutput(); }

std::vector<MessageBoxRecord> MessageBoxes() {
  std::lock_guard<std::mutex> g(g_lock);
  return *g_boxes;
}

std::vector<MessageBoxRecord> TakeMessageBoxes() {
  std::lock_guard<std::mutex> g(g_lock);
  std::vector<MessageBoxRecord> out;
  out.swap(*g_boxes);
  return out;
}

void ClearMessageBoxes() {
  std::lock_guard<std::mutex> g(g_lock);
  g_boxes->clear();
  g_answers->clear();
}

void QueueMessageBoxAnswer(int id) {
  std::lock_guard<std::mutex> g(g_lock);
  g_answers->push_back(id);
}

// Stand-in only: Windows keeps no record of cursor changes.
// The system cursor shown now, found among the shared system cursors.
WORD CurrentCursorId() {
  HCURSOR shown = GetCursor();
  for (WORD id = 32512; id <= 32651; ++id)
    if (shown && LoadCursorA(nullptr, MAKEINTRESOURCEA(id)) == shown) return id;
  return 0;
}
int CursorChanges() { return 0; }

bool SetAnsiCodePage(UINT codePage) { return GetACP() == codePage; }

std::string ModuleFolder() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string s(path, n);
  size_t slash = s.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : s.substr(0, slash);
}

std::string LastModuleError() {
  return "LoadLibraryA failed with error " + std::to_string(GetLastError());
}

}  // namespace standin

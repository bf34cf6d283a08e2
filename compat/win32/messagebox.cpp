// MessageBoxA, headless: the box is recorded (owner, text, caption, style)
// for standin::MessageBoxes() and answered at once with its default button,
// or with an answer queued through standin::QueueMessageBoxAnswer.
#include <deque>

#include "internal.h"
#include "standin.h"

using namespace olvwin32;

namespace {
std::vector<standin::MessageBoxRecord>& Records() {
  static auto* v = new std::vector<standin::MessageBoxRecord>;
  return *v;
}
std::deque<int>& Answers() {
  static auto* q = new std::deque<int>;
  return *q;
}

// The button ids of each MB_TYPEMASK value, left to right.
int DefaultButton(UINT style) {
  static const int buttons[][3] = {
      {IDOK, IDOK, IDOK},              // MB_OK
      {IDOK, IDCANCEL, IDCANCEL},      // MB_OKCANCEL
      {IDABORT, IDRETRY, IDIGNORE},    // MB_ABORTRETRYIGNORE
      {IDYES, IDNO, IDCANCEL},         // MB_YESNOCANCEL
      {IDYES, IDNO, IDNO},             // MB_YESNO
      {IDRETRY, IDCANCEL, IDCANCEL},   // MB_RETRYCANCEL
      {IDCANCEL, IDTRYAGAIN, IDCONTINUE},  // MB_CANCELTRYCONTINUE
  };
  UINT type = style & MB_TYPEMASK;
  if (type > MB_CANCELTRYCONTINUE) type = MB_OK;
  UINT def = (style & MB_DEFMASK) >> 8;
  if (def > 2) def = 0;
  return buttons[type][def];
}
}  // namespace

extern "C" int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  Guard g(Mutex());
  Records().push_back({owner, text ? text : "", caption ? caption : "Error", style});
  if (!Answers().empty()) {
    int answer = Answers().front();
    Answers().pop_front();
    return answer;
  }
  return DefaultButton(style);
}

extern "C" BOOL WINAPI MessageBeep(UINT) { return TRUE; }

std::vector<standin::MessageBoxRecord> standin::MessageBoxes() {
  Guard g(Mutex());
  return Records();
}

std::vector<standin::MessageBoxRecord> standin::TakeMessageBoxes() {
  Guard g(Mutex());
  std::vector<MessageBoxRecord> out;
  out.swap(Records());
  return out;
}

void standin::ClearMessageBoxes() {
  Guard g(Mutex());
  Records().clear();
  Answers().clear();
}

void standin::QueueMessageBoxAnswer(int id) {
  Guard g(Mutex());
  Answers().push_back(id);
}

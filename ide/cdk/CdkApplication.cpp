// CGApplication: the application item of an outline, the marked items, the
// IDE main window and the report window.
#include "CdkAccess.h"

IMPLEMENT_DYNAMIC(CGApplication, CGItem)

CGApplication::CGApplication() {}
CGApplication::CGApplication(HOUTLINE hOutline, HITEM hItem) : CGItem(hOutline, hItem) {}
CGApplication::~CGApplication() {}

namespace {
// The marked items of the application's outline, or none when this object
// does not stand for a loaded application.
std::vector<ide::ItemHandle> Marked(const CGApplication& app) {
  if (!app.IsValid()) return {};
  return ide::Ide::Instance().MarkedItems(app.GetOutline());
}
}  // namespace

BOOL CGApplication::GetFirstMarked(CGItem& item) const {
  HOUTLINE h = m_hOutline;
  std::vector<ide::ItemHandle> marked = Marked(*this);
  if (marked.empty()) {
    item.Initialize(0, 0);
    return FALSE;
  }
  item.Initialize(h, marked.front());
  return TRUE;
}

// The next marked item after `current` in outline order (whether or not
// `current` itself is still marked).
BOOL CGApplication::GetNextMarked(const CGItem& current, CGItem& item) const {
  HOUTLINE h = m_hOutline;
  HITEM after = current.GetOutline() == h ? current.GetItem() : 0;
  std::vector<ide::ItemHandle> marked = after != 0 ? Marked(*this) : std::vector<ide::ItemHandle>();
  for (ide::ItemHandle m : marked)
    if (m > after) {
      item.Initialize(h, m);
      return TRUE;
    }
  item.Initialize(0, 0);
  return FALSE;
}

int CGApplication::GetMarkedItems(CGObjectList& list) const {
  list.RemoveAll();
  for (ide::ItemHandle m : Marked(*this)) cdk::AddListEntry(list, m_hOutline, m);
  return list.GetCount();
}

HWND CGApplication::GetMainWindow() const {
  return static_cast<HWND>(ide::Ide::Instance().MainWindow());
}

BOOL CGApplication::ReportMessage(const char* text, CGItem* item) {
  if (text == nullptr) return FALSE;
  if (item != nullptr && item->IsValid())
    ide::Ide::Instance().AddReportLine(text, item->GetOutline(), item->GetItem());
  else
    ide::Ide::Instance().AddReportLine(text);
  return TRUE;
}

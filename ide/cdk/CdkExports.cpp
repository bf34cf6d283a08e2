// The CDK module's plain functions and its export table: the functions the
// add-in binds by name (RuntimeFunctionList.h), and the design hook entry
// under its ordinal. C names, so that a .def file can name them on Windows
// (the build writes cdki42.def from the same list).
#include "CdkAccess.h"
#include "CdkEvents.h"
#include "RuntimeFunctionList.h"
#include "standin.h"

extern "C" {

// Non-zero when the item came into the outline from an included library.
BOOL WINAPI CDKIsItemIncluded(HOUTLINE hOutline, HITEM hItem) {
  ide::ItemId id;
  const ide::Outline* o = cdk::Resolve(hOutline, hItem, id);
  return o != nullptr && o->IsIncluded(id) ? TRUE : FALSE;
}

// Marks (bSelect non-zero) or unmarks an item in the outline editor.
BOOL WINAPI CDKOutlineChangeSelect(HOUTLINE hOutline, HITEM hItem, BOOL bSelect) {
  return ide::Ide::Instance().SetMarked(hOutline, hItem, bSelect != FALSE) ? TRUE : FALSE;
}

// The design hook entry: the IDE has set the tool's design hook, so the
// registered sink hears OnRegistrationHookSet. It does not wait for
// CDKStartNotifications, since it is what leads to it. FALSE without a sink.
BOOL WINAPI CdkDesignHookSet(HWND /*hWndMain*/, DWORD /*dwReserved*/) {
  CGNotificationInterface* sink = CdkRegisteredSink();
  if (sink == nullptr || !sink->IsValid()) return FALSE;
  sink->OnRegistrationHookSet();
  return TRUE;
}

}  // extern "C"

namespace {

// The signatures as the add-in binds them.
#define CDK_CHECK_SIGNATURE(ordinal, name, function, type, pointer) \
  [[maybe_unused]] constexpr type k##function = &function;
CDKI42_FUNCTIONS(CDK_CHECK_SIGNATURE)
#undef CDK_CHECK_SIGNATURE
[[maybe_unused]] constexpr PFN_SWINDESIGNHOOKSET kDesignHookSet = &CdkDesignHookSet;

#define CDK_EXPORT(ordinal, name, function, type, pointer) STANDIN_EXPORT_AS(ordinal, name, function),
STANDIN_EXPORTS(CDKI42_FUNCTIONS(CDK_EXPORT) STANDIN_EXPORT_NONAME(CDK_ORDINAL_DESIGNHOOKSET, CdkDesignHookSet));
#undef CDK_EXPORT

}  // namespace

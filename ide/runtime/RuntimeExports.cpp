// The runtime module's export table: the thirteen functions under the names
// the add-in binds them by.
#include "RuntimeFunctions.h"
#include "standin.h"

namespace runtime {
namespace {

// The signatures as the add-in binds them.
[[maybe_unused]] constexpr PFN_ERRORLOGOPEN kErrorLogOpen = &ErrorLogOpen;
[[maybe_unused]] constexpr PFN_ERRORLOGCLEAR kErrorLogClear = &ErrorLogClear;
[[maybe_unused]] constexpr PFN_SALOUTLINEGETFILENAME kGetFileName = &OutlineGetFileName;
[[maybe_unused]] constexpr PFN_SALOUTLINEGETINCLUDINGITEM kGetIncludingItem = &OutlineGetIncludingItem;
[[maybe_unused]] constexpr PFN_SALOUTLINEOUTLINEOFUIFRAME kOutlineOfUIFrame = &OutlineOutlineOfUIFrame;
[[maybe_unused]] constexpr PFN_SALOUTLINECURRENT kCurrent = &OutlineCurrent;
[[maybe_unused]] constexpr PFN_SALOUTLINEEDITGETITEM kEditGetItem = &OutlineEditGetItem;
[[maybe_unused]] constexpr PFN_SALOUTLINEEDITGETTEXT kEditGetText = &OutlineEditGetText;
[[maybe_unused]] constexpr PFN_SALOUTLINEEDITSETTEXT kEditSetText = &OutlineEditSetText;
[[maybe_unused]] constexpr PFN_SALOUTLINEUIFRAMEOFOUTLINE kUIFrameOfOutline = &OutlineUIFrameOfOutline;
[[maybe_unused]] constexpr PFN_SALOUTLINEACTIVATEUIVIEW kActivateUIView = &OutlineActivateUIView;
[[maybe_unused]] constexpr PFN_SALOUTLINEISUIVIEWACTIVE kIsUIViewActive = &OutlineIsUIViewActive;
[[maybe_unused]] constexpr PFN_SALOUTLINEDOUICOMMAND kDoUICommand = &OutlineDoUICommand;

STANDIN_EXPORTS(
    STANDIN_EXPORT_AS(1, "_ErrorLogOpen@0", ErrorLogOpen),
    STANDIN_EXPORT_AS(2, "_ErrorLogClear@0", ErrorLogClear),
    STANDIN_EXPORT_AS(3, "SalOutlineGetFileName", OutlineGetFileName),
    STANDIN_EXPORT_AS(4, "SalOutlineGetIncludingItem", OutlineGetIncludingItem),
    STANDIN_EXPORT_AS(5, "SalOutlineOutlineOfUIFrame", OutlineOutlineOfUIFrame),
    STANDIN_EXPORT_AS(6, "SalOutlineCurrent", OutlineCurrent),
    STANDIN_EXPORT_AS(7, "SalOutlineEditGetItem", OutlineEditGetItem),
    STANDIN_EXPORT_AS(8, "SalOutlineEditGetText", OutlineEditGetText),
    STANDIN_EXPORT_AS(9, "SalOutlineEditSetText", OutlineEditSetText),
    STANDIN_EXPORT_AS(10, "SalOutlineUIFrameOfOutline", OutlineUIFrameOfOutline),
    STANDIN_EXPORT_AS(11, "SalOutlineActivateUIView", OutlineActivateUIView),
    STANDIN_EXPORT_AS(12, "SalOutlineIsUIViewActive", OutlineIsUIViewActive),
    STANDIN_EXPORT_AS(13, "SalOutlineDoUICommand", OutlineDoUICommand));

}  // namespace
}  // namespace runtime

// The add-in's dialog resources: the "Mass Finder" dialog (template 101) as a
// table, the one source of its layout. The table is turned into a dialog
// template in Windows' binary form and entered in the module's resource
// table, where CDialog::Create finds it as a resource compiler's output.
//
// The Windows build has no such table: there the template must come from a
// resource script made from this table (not built yet, see docs/windows.md).
#ifndef _WIN32
#include <windows.h>

#include <dialog_template.h>
#include <standin.h>

#include <vector>

#include "resources/resource.h"

namespace
{
// One control of a template, in template (and tab) order.
struct CControlEntry
{
    int m_id;
    WORD m_class;
    const char* m_text;
    short m_x, m_y, m_cx, m_cy;
    DWORD m_style;
};

const WORD BUTTON = standin::kDialogClassButton;
const WORD STATIC = standin::kDialogClassStatic;
const WORD COMBOBOX = standin::kDialogClassComboBox;

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kCheckBox = BS_AUTOCHECKBOX | kChild | WS_TABSTOP;

// IDD_MASSFINDER: caption "Mass Finder", 0, 0, 308 x 86 dialog units.
const CControlEntry kMassFinderControls[] = {
    {IDC_FIND, BUTTON, "Find!", 251, 18, 50, 14, BS_DEFPUSHBUTTON | kChild | WS_TABSTOP},
    {IDCANCEL, BUTTON, "Close", 251, 65, 50, 14, BS_PUSHBUTTON | kChild | WS_TABSTOP},
    {-1, STATIC, "Find What:", 7, 7, 36, 8, SS_LEFT | kChild | WS_GROUP},
    {IDC_PATTERN, COMBOBOX, "", 7, 18, 239, 96, CBS_DROPDOWN | WS_VSCROLL | kChild | WS_TABSTOP},
    {IDC_MATCH_CASE, BUTTON, "Match Case", 7, 38, 53, 10, kCheckBox},
    {IDC_WHOLE_WORD, BUTTON, "Match Whole Word", 73, 38, 77, 10, kCheckBox},
    {IDC_IGNORE_INCLUDES, BUTTON, "Ignore Included Items", 159, 38, 87, 10, kCheckBox},
    {IDC_ONLY_MARKED, BUTTON, "Search Only Selected Items", 7, 56, 104, 10, kCheckBox},
    {IDC_IGNORE_COMMENTS, BUTTON, "Ignore Comments", 159, 56, 73, 10, kCheckBox},
};

std::vector<unsigned char> BuildMassFinderTemplate()
{
    standin::DialogTemplateBuilder builder(true);
    builder.Caption("Mass Finder")
        .Style(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_FIXEDSYS)
        .ExStyle(WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE)
        .Rect(0, 0, 308, 86)
        .Font(8, "MS Shell Dlg", 400, 0, 1);
    for (const CControlEntry& c : kMassFinderControls)
        builder.Control(c.m_id, standin::TemplateName::Ordinal(c.m_class), c.m_text, c.m_x, c.m_y, c.m_cx, c.m_cy,
                        c.m_style);
    return builder.Build();
}

const std::vector<unsigned char> g_massFinderTemplate = BuildMassFinderTemplate();

const standin::ResourceEntry g_resources[] = {
    {RT_DIALOG, MAKEINTRESOURCE(IDD_MASSFINDER), g_massFinderTemplate.data(),
     static_cast<DWORD>(g_massFinderTemplate.size())},
};
const standin::detail::TableRegistration g_resourceRegistration(g_resources, 1);
}  // namespace
#endif  // !_WIN32

// The "Mass Finder" dialog's layout (template IDD_MASSFINDER): the one source
// of it for both builds. The stand-in build turns it into the binary template
// of its resource table (MassFinderTemplate.h); the Windows build's resource
// script (Olvaren.rc) expands it into a DIALOGEX statement.
//
// Plain preprocessor definitions only: the resource compiler reads this file
// as well (windres and Microsoft's rc both run a C preprocessor over a script
// and its includes, and rc keeps nothing but the directives of a .h file).
// The Windows constants (WS_*, BS_*, ...) come from <windows.h>, which the
// includer includes first.
//
// MASSFINDER_DIALOG_CONTROLS(X) expands X once per control, in template
// order, which is also the tab order:
//     X(text, id, class, style, x, y, cx, cy)
// The class is a predefined control class by its ordinal. Written as a number,
// a resource compiler stores it as the ordinal (0xFFFF, ordinal), as Windows'
// own templates have it; windres would store a quoted "Button" as the string
// "BUTTON".
// Texts are plain ASCII without quotes or backslashes, which C and rc escape
// differently.
#ifndef OLVAREN_RESOURCES_MASSFINDERDIALOG_H
#define OLVAREN_RESOURCES_MASSFINDERDIALOG_H

#include "resource.h"

// The ordinals of the predefined control classes in a template.
#define MASSFINDER_CLASS_BUTTON 0x0080
#define MASSFINDER_CLASS_STATIC 0x0082
#define MASSFINDER_CLASS_COMBOBOX 0x0085

#define MASSFINDER_DIALOG_CAPTION "Mass Finder"
#define MASSFINDER_DIALOG_STYLE \
    (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS)
#define MASSFINDER_DIALOG_EXSTYLE (WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE)
// x, y, cx, cy in dialog units
#define MASSFINDER_DIALOG_RECT 0, 0, 308, 86
// point size, face name, weight, italic, character set
#define MASSFINDER_DIALOG_FONT 8, "MS Shell Dlg", 400, 0, 1

#define MASSFINDER_CHILD (WS_CHILD | WS_VISIBLE)
#define MASSFINDER_CHECKBOX (BS_AUTOCHECKBOX | MASSFINDER_CHILD | WS_TABSTOP)

#define MASSFINDER_DIALOG_CONTROLS(X) \
    X("Find!", IDC_FIND, MASSFINDER_CLASS_BUTTON, BS_DEFPUSHBUTTON | MASSFINDER_CHILD | WS_TABSTOP, 251, 18, 50, 14) \
    X("Close", IDCANCEL, MASSFINDER_CLASS_BUTTON, BS_PUSHBUTTON | MASSFINDER_CHILD | WS_TABSTOP, 251, 65, 50, 14) \
    X("Find What:", -1, MASSFINDER_CLASS_STATIC, SS_LEFT | MASSFINDER_CHILD | WS_GROUP, 7, 7, 36, 8) \
    X("", IDC_PATTERN, MASSFINDER_CLASS_COMBOBOX, CBS_DROPDOWN | WS_VSCROLL | MASSFINDER_CHILD | WS_TABSTOP, \
      7, 18, 239, 96) \
    X("Match Case", IDC_MATCH_CASE, MASSFINDER_CLASS_BUTTON, MASSFINDER_CHECKBOX, 7, 38, 53, 10) \
    X("Match Whole Word", IDC_WHOLE_WORD, MASSFINDER_CLASS_BUTTON, MASSFINDER_CHECKBOX, 73, 38, 77, 10) \
    X("Ignore Included Items", IDC_IGNORE_INCLUDES, MASSFINDER_CLASS_BUTTON, MASSFINDER_CHECKBOX, 159, 38, 87, 10) \
    X("Search Only Selected Items", IDC_ONLY_MARKED, MASSFINDER_CLASS_BUTTON, MASSFINDER_CHECKBOX, 7, 56, 104, 10) \
    X("Ignore Comments", IDC_IGNORE_COMMENTS, MASSFINDER_CLASS_BUTTON, MASSFINDER_CHECKBOX, 159, 56, 73, 10)

#endif  // OLVAREN_RESOURCES_MASSFINDERDIALOG_H

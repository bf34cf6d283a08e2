// The "Mass Finder" dialog's template in Windows' binary form (DLGTEMPLATEEX),
// built from its layout in MassFinderDialog.h field for field as a resource
// compiler writes it. The stand-in build enters it in the add-in's resource
// table; the Windows tests compare it with what the resource compiler put
// into Olvaren.dll from the same layout.
#pragma once

#include <windows.h>

#include <dialog_template.h>

#include <vector>

#include "resources/MassFinderDialog.h"

inline std::vector<unsigned char> BuildMassFinderTemplate()
{
    standin::DialogTemplateBuilder builder(true);
    builder.Caption(MASSFINDER_DIALOG_CAPTION)
        .Style(MASSFINDER_DIALOG_STYLE)
        .ExStyle(MASSFINDER_DIALOG_EXSTYLE)
        .Rect(MASSFINDER_DIALOG_RECT)
        .Font(MASSFINDER_DIALOG_FONT);
#define MASSFINDER_BUILD_CONTROL(text, id, cls, style, x, y, cx, cy) \
    builder.Control(id, standin::TemplateName::Ordinal(cls), text, x, y, cx, cy, style);
    MASSFINDER_DIALOG_CONTROLS(MASSFINDER_BUILD_CONTROL)
#undef MASSFINDER_BUILD_CONTROL
    return builder.Build();
}

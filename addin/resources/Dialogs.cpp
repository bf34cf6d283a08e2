// The add-in's resource table in the stand-in build: the "Mass Finder" dialog
// (template 101), built from its layout (MassFinderDialog.h) in Windows'
// binary form, where CDialog::Create finds it as a resource compiler's output.
//
// The Windows build has no such table: there the resource compiler makes the
// template from the same layout (Olvaren.rc), and this file builds to nothing.
#ifndef _WIN32
#include <windows.h>

#include <standin.h>

#include <vector>

#include "resources/MassFinderTemplate.h"
#include "resources/resource.h"

namespace
{
const std::vector<unsigned char> g_massFinderTemplate = BuildMassFinderTemplate();

const standin::ResourceEntry g_resources[] = {
    {RT_DIALOG, MAKEINTRESOURCE(IDD_MASSFINDER), g_massFinderTemplate.data(),
     static_cast<DWORD>(g_massFinderTemplate.size())},
};
const standin::detail::TableRegistration g_resourceRegistration(g_resources, 1);
}  // namespace
#endif  // !_WIN32

// MFC's standard dialogs header. The stand-in has no common dialogs; it
// provides what afxwin.h does.
#pragma once

#include "afxwin.h"

// The debug trace's channel: hands collected text to OutputDebugStringA
// unless the trace is switched off.
#include "DebugStream.h"

BOOL g_suppressTrace = FALSE;

void DebugStreamEmit(const std::string& text)
{
    if (!g_suppressTrace)
        OutputDebugStringA(text.c_str());
}

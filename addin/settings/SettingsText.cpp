// Conversions between the ANSI code page and the settings file's UTF-8 (see
// SettingsText.h), through UTF-16 as Windows converts.
#include "settings/SettingsText.h"

#include <windows.h>

#include <string.h>

namespace
{
// Converts `length` bytes of `text` from code page `from` to code page `to`;
// FALSE when a byte or character does not convert (nothing is replaced).
BOOL Convert(UINT from, UINT to, const char* text, int length, CString& result)
{
    if (length == 0)
    {
        result.Empty();
        return TRUE;
    }
    int wideLength = ::MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text, length, NULL, 0);
    if (wideLength <= 0)
        return FALSE;
    WCHAR* wide = new WCHAR[wideLength];
    BOOL bDone = FALSE;
    if (::MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text, length, wide, wideLength) == wideLength)
    {
        BOOL bUsedDefault = FALSE;
        LPBOOL pUsedDefault = to == CP_UTF8 ? NULL : &bUsedDefault;
        DWORD flags = to == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
        int outLength = ::WideCharToMultiByte(to, flags, wide, wideLength, NULL, 0, NULL, pUsedDefault);
        if (outLength > 0 && !bUsedDefault)
        {
            char* out = result.GetBuffer(outLength);
            bDone = ::WideCharToMultiByte(to, flags, wide, wideLength, out, outLength, NULL, pUsedDefault) ==
                        outLength &&
                    !bUsedDefault;
            result.ReleaseBuffer(bDone ? outLength : 0);
        }
    }
    delete[] wide;
    return bDone;
}
}  // namespace

CString SettingsTextFromAnsi(const CString& text)
{
    CString stored;
    if (Convert(CP_ACP, CP_UTF8, text, text.GetLength(), stored))
        return stored;
    return text;
}

CString AnsiFromSettingsText(const char* value)
{
    CString text;
    if (Convert(CP_UTF8, CP_ACP, value, static_cast<int>(strlen(value)), text))
        return text;
    return CString(value);
}

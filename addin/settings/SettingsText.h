// Texts in the settings file: the file declares UTF-8, while the add-in's
// texts (patterns typed in the IDE) are in the system's ANSI code page. A
// text is written as UTF-8 converted from that code page, and read back into
// it. What cannot be converted stays as its bytes: a text the code page does
// not define (an ASCII-only machine), and on reading a value that is no
// UTF-8 (files written by earlier versions, which stored the raw bytes) or
// holds a character the code page lacks.
#pragma once

#include <afx.h>

// The text as the file stores it.
CString SettingsTextFromAnsi(const CString& text);
// The stored value in the ANSI code page.
CString AnsiFromSettingsText(const char* value);

// The include text of a class (the text of the File Include item that brought
// it in from a library) and the suffix the report writes after its name.
#pragma once

#include <afx.h>

#include "cdk/cdk.h"

// TRUE when `item` came from an included file: `text` is then the outline
// text of its including item (the library name). FALSE otherwise, `text`
// emptied.
BOOL GetIncludeText(const CGItem& item, CString& text);

// " (LIBRARY)" for an item from an included file, "" for any other.
CString GetIncludeSuffix(const CGItem& item);

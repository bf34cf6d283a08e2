// The dialog-template builder and reader of the stand-in (plain data, no
// stand-in state), shared with the tests that run on Windows.
#pragma once
#include "../../compat/win32/dialog_template.h"

// Helpers of the control and dialog conformance tests: a dialog laid out
// like a search dialog, a message pump that routes keys through
// IsDialogMessageA, and the focus by control id. The recording parent and
// dialog procedure come from the one message recorder.
#pragma once

#include "../support/MessageRecorder.h"

#include <dialog_template.h>
#include <standin.h>

#include "../support/WineMarks.h"

namespace ctltest {

// Dispatches every queued message, offering each to IsDialogMessageA for
// `dialog` first (as a modeless dialog's message loop does).
void Pump(HWND dialog);

// A dialog laid out like a search dialog: Find! (default, 1000), Close
// (IDCANCEL), a label, an editable combo box (1001) and five automatic
// check boxes (1002..1006), all but the label tab stops.
standin::DialogTemplateBuilder SearchDialog(bool extended = true);

// The control id of the focus window, counting a combo box's edit field as
// the combo box; 0 when the focus is elsewhere.
int FocusId(HWND dialog);

}  // namespace ctltest

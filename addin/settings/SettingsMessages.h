// The one mark of the settings file's messages on the debug channel, read by
// the add-in and by the front end that shows them (tools/main.cpp): a save
// that failed for a reason the user can mend (a busy lock, a read-only
// file) writes one line beginning with this, whatever debug_mode says.
#pragma once

#define SETTINGS_NOT_SAVED_PREFIX "[Olvaren] Settings: "

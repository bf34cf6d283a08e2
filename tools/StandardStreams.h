// The front end's standard output and error. Output is written straight to
// the file descriptor and the first write error is kept, so that a full
// disk or a closed pipe ends the command with "olvaren: write error: ..."
// rather than a silent exit code. Messages on standard error carry names
// and texts from the command line, scripts and files: their control
// characters are shown escaped, so an ESC sequence never reaches the
// terminal as one.
#pragma once

#include <string>
#include <string_view>

namespace olvcli {

// Puts std::cout and std::cerr on the descriptors as described above.
void UseCheckedStreams();

// Flushes std::cout; true when everything written to it so far reached the
// output. Otherwise `reason` is the system's text for the first error.
bool OutputWritten(std::string& reason);

// Prints "olvaren: write error: REASON" (once per run) and returns the exit
// code for it.
int ReportWriteError(const std::string& reason);

// `text` with every control character but line feed and tab written as
// \xNN (C0 controls, DEL, and the C1 controls as UTF-8 encodes them).
std::string EscapeControls(std::string_view text);

}  // namespace olvcli

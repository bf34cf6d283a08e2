// Standard input, output and error as bytes. On Windows the C runtime opens
// them in text mode, which writes "\n" as "\r\n" and reads "\r\n" as "\n"
// and Ctrl+Z as the end: a report or a file's text would not keep its bytes.
#pragma once

namespace olvcli {

// Switches the three to binary mode (nothing to do on Linux).
void UseBinaryStdio();

}  // namespace olvcli

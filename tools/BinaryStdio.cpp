// Standard streams in binary mode (see BinaryStdio.h).
#include "BinaryStdio.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

namespace olvcli {

void UseBinaryStdio() {
#ifdef _WIN32
  for (FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
#endif
}

}  // namespace olvcli

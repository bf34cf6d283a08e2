// The front end's `jump` command: the jumps of a list of positions against
// an expected-output file beside it, --back, and the exit statuses.
#include "JumpTestSupport.h"
#include "RunOlvaren.h"

namespace {

TEST(JumpCommandTest, PlaceholderBuilds) {}

}  // namespace

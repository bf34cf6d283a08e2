// Test module "OlvTest_Mixed.so": a mixed-case file name, no entry point
// and no export table of its own, linked against olvtest_a (whose DllMain
// and visible symbols must not be taken for this module's).
#include <standin.h>

extern "C" int olvtest_a_visible();

extern "C" STANDIN_VISIBLE int MixedValue() { return olvtest_a_visible() + 1; }

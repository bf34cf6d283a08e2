// The runtime module's export table: the functions of the add-in's list
// (RuntimeFunctionList.h) under the names the add-in binds them by.
#include "RuntimeFunctionList.h"
#include "RuntimeFunctions.h"
#include "standin.h"

namespace runtime {
namespace {

// The signatures as the add-in binds them.
#define RUNTIME_CHECK_SIGNATURE(ordinal, name, function, type, pointer) \
  [[maybe_unused]] constexpr type k##function = &function;
CDLLI42_FUNCTIONS(RUNTIME_CHECK_SIGNATURE)
#undef RUNTIME_CHECK_SIGNATURE

#define RUNTIME_EXPORT(ordinal, name, function, type, pointer) STANDIN_EXPORT_AS(ordinal, name, function),
STANDIN_EXPORTS(CDLLI42_FUNCTIONS(RUNTIME_EXPORT));
#undef RUNTIME_EXPORT

}  // namespace
}  // namespace runtime

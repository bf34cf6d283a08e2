// Item-type names from the generated table (see ItemTypeNames.h).
#include "ItemTypeNames.h"

namespace olvcli {
namespace {

struct TypeName {
  int type;
  const char* name;
};

const TypeName kTypeNames[] = {
#include "ItemTypeNames.inc"
};

}  // namespace

const char* ItemTypeName(int type) {
  for (const TypeName& entry : kTypeNames)
    if (entry.type == type) return entry.name;
  return nullptr;
}

}  // namespace olvcli

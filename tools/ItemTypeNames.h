// The names of the IDE's item-type codes for the front end's JSON
// ("type_name" beside "item_type"): the names of the constants in
// ide/outline/ItemTypes.h, read from it when the build is configured.
#pragma once

namespace olvcli {

// "FormWindow", "Function", "Comment" ...; the first constant's name when
// several share the code; nullptr for a code with none.
const char* ItemTypeName(int type);

}  // namespace olvcli

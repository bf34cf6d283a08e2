# olvaren_item_type_names(HEADER OUT_DIR): writes OUT_DIR/ItemTypeNames.inc,
# one `{CODE, "Name"},` per `constexpr int Name = CODE;` of HEADER (the IDE's
# item-type codes, ide/outline/ItemTypes.h), so that the front end names the
# types from the one table of codes. Rewritten only when it changes; the
# build configures again when HEADER changes.
function(olvaren_item_type_names header out_dir)
  file(STRINGS ${header} lines REGEX "^constexpr int [A-Za-z0-9_]+ = [0-9]+;")
  set(text "// Generated from ${header}: each item-type constant, by code.\n")
  foreach(line IN LISTS lines)
    if(line MATCHES "^constexpr int ([A-Za-z0-9_]+) = ([0-9]+)")
      string(APPEND text "{${CMAKE_MATCH_2}, \"${CMAKE_MATCH_1}\"},\n")
    endif()
  endforeach()
  file(WRITE ${out_dir}/ItemTypeNames.inc.new "${text}")
  configure_file(${out_dir}/ItemTypeNames.inc.new ${out_dir}/ItemTypeNames.inc COPYONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
endfunction()

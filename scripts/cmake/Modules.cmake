# olvaren_add_module(TARGET NAME SOURCES...)
# A loadable module of the stand-in Windows world: what Windows would call a
# DLL. Built as a shared object named NAME.so (no "lib" prefix) in the module
# folder, symbols hidden unless exported, and unloadable for real
# (-fno-gnu-unique, so FreeLibrary runs the static destructors; a GCC flag:
# clang emits no unique symbols to begin with).
set(OLVAREN_NO_GNU_UNIQUE $<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique>)
function(olvaren_add_module target name)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${name}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_compile_options(${target} PRIVATE ${OLVAREN_NO_GNU_UNIQUE})
endfunction()

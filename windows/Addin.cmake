# Olvaren.dll for 32-bit Windows, from the add-in's one source list
# (addin/Sources.cmake, so a file added to the add-in is built here too).
# MFC, pugixml, libstdc++ and libgcc are linked statically; the DLL imports
# only Windows and cdki42.dll.

include(${OLVAREN_ADDIN_DIR}/Sources.cmake)
# A resource script of the add-in (the search dialog), when there is one.
file(GLOB ADDIN_RC ${ADDIN}/resources/*.rc)
if(ADDIN_RC)
  enable_language(RC)
endif()

add_library(olvmfc STATIC ${MFC_SOURCES})
target_include_directories(olvmfc PUBLIC ${ROOT}/compat/mfc)
target_link_libraries(olvmfc PUBLIC ${WIN32_LIBS})

add_library(olvaren_addin_objects OBJECT ${OLVAREN_ADDIN_SOURCES} ${MFC_DLLMODULE})
target_include_directories(olvaren_addin_objects PUBLIC ${ROOT} ${ADDIN} ${ADDIN}/cdk ${ROOT}/compat/mfc ${PUGI_INCLUDE})
target_compile_options(olvaren_addin_objects PRIVATE -fno-exceptions)

# The import library of cdki42.dll from what the objects use.
set(IMPORTS ${CMAKE_BINARY_DIR}/imports)
add_custom_command(
  OUTPUT ${IMPORTS}/libcdki42.a
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/import-defs.sh ${CMAKE_NM} ${CMAKE_DLLTOOL} i386 ${IMPORTS}
          $<TARGET_OBJECTS:olvaren_addin_objects>
  DEPENDS olvaren_addin_objects $<TARGET_OBJECTS:olvaren_addin_objects> ${CMAKE_CURRENT_SOURCE_DIR}/import-defs.sh
  COMMAND_EXPAND_LISTS
  VERBATIM)
add_custom_target(olvaren_imports DEPENDS ${IMPORTS}/libcdki42.a)

add_library(olvaren_addin SHARED $<TARGET_OBJECTS:olvaren_addin_objects> ${ADDIN}/host/Olvaren.def ${ADDIN_RC})
set_target_properties(olvaren_addin PROPERTIES OUTPUT_NAME Olvaren)
add_dependencies(olvaren_addin olvaren_imports)
target_link_libraries(olvaren_addin PRIVATE olvmfc pugixml ${IMPORTS}/libcdki42.a ${WIN32_LIBS})
target_link_options(olvaren_addin PRIVATE -static-libgcc -static-libstdc++ -static)

enable_testing()
add_test(NAME olvaren_dll_exports
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/check-exports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:olvaren_addin>)

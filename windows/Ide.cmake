# The stand-in IDE on 64-bit Windows, against the real Win32: the outline
# library and the IDE core (olvide.dll), the CDK module cdki42.dll and the
# runtime module cdlli42.dll, the shell (olvide_shell.dll), and the add-in
# built for x86_64 from the same source list as the 32-bit product, so that
# the add-in's end-to-end tests run in-process under wine64.
#
# Exports: olvide.dll and olvide_shell.dll are the stand-in's own libraries
# and export everything, as their Linux builds do (MinGW's default when a DLL
# names no exports). cdki42.dll exports exactly the CDK's classes and
# functions, marked CDKAPI (__declspec(dllexport) while it is built, the
# counterpart of the default visibility they carry on Linux), and its plain
# entries by ordinal from its .def; cdlli42.dll's table is its .def. Both
# .def files are written below from the add-in's list of the functions it
# binds (addin/cdk/RuntimeFunctionList.h).

set(IDE ${ROOT}/ide)
set(MODULES ${CMAKE_CURRENT_SOURCE_DIR}/modules)

file(GLOB IDE_OUTLINE_SOURCES CONFIGURE_DEPENDS ${IDE}/outline/*.cpp)
add_library(olvide SHARED ${IDE_OUTLINE_SOURCES} ${IDE}/core/Ide.cpp)
target_include_directories(olvide PUBLIC ${ROOT})
target_link_libraries(olvide PUBLIC olvmfc)

# cdlli42.def and cdki42.def: each row of a library's list in
# RuntimeFunctionList.h becomes "name = function @ordinal"; cdki42.def adds
# the design hook entry under CDK_ORDINAL_DESIGNHOOKSET (cdk.h), without a name.
set(FUNCTION_LIST ${ADDIN}/cdk/RuntimeFunctionList.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${FUNCTION_LIST} ${ADDIN}/cdk/cdk.h)
file(READ ${FUNCTION_LIST} function_list)
foreach(library cdlli42 cdki42)
  string(TOUPPER ${library} list_name)
  # The list: its #define line and every line continued with a backslash.
  string(REGEX MATCH "#define ${list_name}_FUNCTIONS\\(X\\)([^\n]*\\\\\n)*[^\n]*" rows "${function_list}")
  string(REGEX MATCHALL "X\\([0-9]+, \"[^\"]+\", [A-Za-z0-9_]+," rows "${rows}")
  set(${library}_exports "")
  foreach(row IN LISTS rows)
    string(REGEX MATCH "X\\(([0-9]+), (\"[^\"]+\"), ([A-Za-z0-9_]+)," row "${row}")
    string(APPEND ${library}_exports "    ${CMAKE_MATCH_2} = ${CMAKE_MATCH_3} @${CMAKE_MATCH_1}\n")
  endforeach()
endforeach()
file(STRINGS ${ADDIN}/cdk/cdk.h hook_line REGEX "^#define CDK_ORDINAL_DESIGNHOOKSET [0-9]+")
string(REGEX MATCH "[0-9]+$" hook_ordinal "${hook_line}")
if(NOT cdlli42_exports OR NOT cdki42_exports OR NOT hook_ordinal)
  message(FATAL_ERROR "no export table read from ${FUNCTION_LIST} and cdk.h")
endif()
set(GENERATED_DEFS ${CMAKE_CURRENT_BINARY_DIR}/modules)
file(GENERATE OUTPUT ${GENERATED_DEFS}/cdlli42.def CONTENT
  "; cdlli42.dll, the stand-in runtime module (written from RuntimeFunctionList.h)\nLIBRARY \"cdlli42.dll\"\nEXPORTS\n${cdlli42_exports}")
file(GENERATE OUTPUT ${GENERATED_DEFS}/cdki42.def CONTENT
  "; cdki42.dll, the stand-in CDK module (written from RuntimeFunctionList.h and cdk.h)\nLIBRARY \"cdki42.dll\"\nEXPORTS\n${cdki42_exports}    CdkDesignHookSet @${hook_ordinal} NONAME\n")
set_source_files_properties(${GENERATED_DEFS}/cdlli42.def ${GENERATED_DEFS}/cdki42.def PROPERTIES GENERATED TRUE)

file(GLOB IDE_CDK_SOURCES CONFIGURE_DEPENDS ${IDE}/cdk/*.cpp)
add_library(cdki42 SHARED ${IDE_CDK_SOURCES} ${GENERATED_DEFS}/cdki42.def)
target_include_directories(cdki42 PUBLIC ${IDE}/cdk ${ADDIN}/cdk PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/standin)
target_compile_definitions(cdki42 PRIVATE "CDKAPI=__declspec(dllexport)")
target_link_libraries(cdki42 PUBLIC olvmfc PRIVATE olvide)

file(GLOB IDE_RUNTIME_SOURCES CONFIGURE_DEPENDS ${IDE}/runtime/*.cpp)
add_library(cdlli42 SHARED ${IDE_RUNTIME_SOURCES} ${GENERATED_DEFS}/cdlli42.def)
target_include_directories(cdlli42 PRIVATE ${ADDIN}/cdk ${CMAKE_CURRENT_SOURCE_DIR}/standin)
target_link_libraries(cdlli42 PRIVATE olvide olvmfc)

file(GLOB IDE_SHELL_SOURCES CONFIGURE_DEPENDS ${IDE}/shell/*.cpp)
add_library(olvide_shell SHARED ${IDE_SHELL_SOURCES})
target_include_directories(olvide_shell PUBLIC ${ROOT} ${ADDIN} ${ADDIN}/cdk)
target_link_libraries(olvide_shell PUBLIC olvide cdki42 olvstandin_win ${WIN32_LIBS})

# The add-in for x86_64: the same sources as Olvaren.dll for i686, with the
# MFC stand-in as a DLL (shared with the IDE, as on Linux) and the exports
# without stdcall decoration (x86_64 has one calling convention).
include(${OLVAREN_ADDIN_DIR}/Sources.cmake)
file(GLOB ADDIN_RC ${ADDIN}/resources/*.rc)
add_library(olvaren_addin_objects OBJECT ${OLVAREN_ADDIN_SOURCES})
target_include_directories(olvaren_addin_objects PUBLIC ${ROOT} ${ADDIN} ${ADDIN}/cdk ${ROOT}/compat/mfc ${PUGI_INCLUDE})
target_compile_options(olvaren_addin_objects PRIVATE -fno-exceptions)
set(OLVAREN_ADDIN_LIBS olvmfc pugixml cdki42 ${WIN32_LIBS})
add_library(olvaren_addin SHARED $<TARGET_OBJECTS:olvaren_addin_objects> ${MFC_DLLMODULE}
  ${MODULES}/Olvaren64.def ${ADDIN_RC})
set_target_properties(olvaren_addin PROPERTIES OUTPUT_NAME Olvaren)
target_link_libraries(olvaren_addin PRIVATE ${OLVAREN_ADDIN_LIBS})

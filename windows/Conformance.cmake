# The conformance tests on 64-bit Windows: the tests of tests/win32 and
# tests/mfc built against the real Win32 (and the MFC stand-in on top of
# it), with windows/standin in place of the stand-in's own test helpers.
# GoogleTest is built from Debian's sources in /usr/src/googletest.

set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# MinGW's runtime DLLs next to the programs, so that Wine finds them.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS "${path}")
    file(GLOB path /usr/${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32/lib/${dll})
  endif()
  if(path AND EXISTS "${path}")
    file(COPY ${path} DESTINATION ${CMAKE_BINARY_DIR}/bin)
  endif()
endforeach()

set(TESTS ${ROOT}/tests)
# The real programs, when present (the tests that read them skip otherwise);
# a Linux path, which Wine reaches through its drive Z:.
get_filename_component(corpus ${ROOT}/../shared/corpus/real ABSOLUTE)
set(OLVAREN_CORPUS_DIR ${corpus} CACHE PATH "Real Team Developer programs")

# A DLL of its own, so that the program and every DLL it loads share one
# key record and one debug-output capture (one vectored handler).
add_library(olvstandin_win SHARED ${CMAKE_CURRENT_SOURCE_DIR}/standin/standin.cpp)
target_include_directories(olvstandin_win PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/standin)
target_link_libraries(olvstandin_win PUBLIC ${WIN32_LIBS})

# The MFC stand-in as a DLL of its own, as mfc90.dll is.
add_library(olvmfc SHARED ${MFC_SOURCES})
target_include_directories(olvmfc PUBLIC ${ROOT}/compat/mfc)
target_link_libraries(olvmfc PUBLIC ${WIN32_LIBS})

# olvaren_win_test(TARGET SOURCES... LIBS libs...)
function(olvaren_win_test target)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  add_executable(${target} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${target} PRIVATE ${T_LIBS} olvstandin_win gtest gtest_main)
  target_compile_definitions(${target} PRIVATE
    OLVAREN_CORPUS_DIR="${OLVAREN_CORPUS_DIR}" OLVAREN_SOURCE_DIR="${ROOT}" OLVAREN_MODULE_DIR="")
  # FARPROC is cast to the real signature, as every Win32 program does.
  target_compile_options(${target} PRIVATE -Wno-unused-function -Wno-unused-variable -Wno-cast-function-type)
endfunction()

# The module test's small DLLs, their tables from .def and .rc files.
add_library(win32_test_module_a SHARED ${TESTS}/win32/module_a.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/modules/olvtest_a.def ${CMAKE_CURRENT_SOURCE_DIR}/modules/olvtest_a.rc)
set_target_properties(win32_test_module_a PROPERTIES OUTPUT_NAME olvtest_a)
target_link_libraries(win32_test_module_a PRIVATE olvstandin_win)
target_compile_options(win32_test_module_a PRIVATE -Wno-unused-function -Wno-unused-variable)
add_library(win32_test_module_mixed SHARED ${TESTS}/win32/module_mixed.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/modules/OlvTest_Mixed.def)
set_target_properties(win32_test_module_mixed PROPERTIES OUTPUT_NAME OlvTest_Mixed)
target_link_libraries(win32_test_module_mixed PRIVATE win32_test_module_a olvstandin_win)
add_library(win32_test_module_refuse SHARED ${TESTS}/win32/module_refuse.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/modules/olvtest_refuse.def)
set_target_properties(win32_test_module_refuse PROPERTIES OUTPUT_NAME olvtest_refuse)
target_link_libraries(win32_test_module_refuse PRIVATE olvstandin_win)

olvaren_win_test(win32_tests
  ${TESTS}/support/MessageRecorder.cpp
  ${TESTS}/win32/windows_test.cpp
  ${TESTS}/win32/messages_test.cpp
  ${TESTS}/win32/paint_test.cpp
  ${TESTS}/win32/focus_test.cpp
  ${TESTS}/win32/hooks_keyboard_test.cpp
  ${TESTS}/win32/modules_test.cpp
  ${TESTS}/win32/misc_test.cpp
  ${TESTS}/win32/codepages_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/modules/win32_tests.rc
  LIBS ${WIN32_LIBS})
# An executable's exports: the .def file goes to the linker itself.
target_link_options(win32_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/modules/win32_tests.def)
set_property(TARGET win32_tests APPEND PROPERTY LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/modules/win32_tests.def)
add_dependencies(win32_tests win32_test_module_a win32_test_module_mixed win32_test_module_refuse)

# The MFC stand-in's tests, with the two small MFC regular DLLs.
target_sources(olvstandin_win PRIVATE ${ROOT}/compat/win32/dialog_template.cpp)
set(MFC ${TESTS}/mfc)
olvaren_win_test(mfc_strings_tests ${MFC}/cstring_test.cpp ${MFC}/collections_test.cpp ${MFC}/object_test.cpp
  ${MFC}/time_file_test.cpp LIBS olvmfc)
foreach(dll mfctestdll mfctestdllfail)
  add_library(${dll} SHARED ${MFC}/testdll/test_dll.cpp ${MFC}/testdll/test_dialog.cpp ${MFC_DLLMODULE}
    ${CMAKE_CURRENT_SOURCE_DIR}/modules/mfctestdll.rc ${CMAKE_CURRENT_SOURCE_DIR}/modules/mfctestdll.def)
  target_link_libraries(${dll} PRIVATE olvmfc olvstandin_win)
  target_compile_options(${dll} PRIVATE -Wno-cast-function-type)
endforeach()
target_compile_definitions(mfctestdllfail PRIVATE TESTDLL_FAIL_INIT)
olvaren_win_test(mfc_module_tests ${MFC}/module_state_test.cpp ${MFC}/regular_dll_test.cpp
  ${TESTS}/support/MessageRecorder.cpp LIBS olvmfc)
add_dependencies(mfc_module_tests mfctestdll mfctestdllfail)
olvaren_win_test(mfc_window_tests ${MFC}/wnd_test.cpp ${MFC}/dialog_test.cpp ${MFC}/wait_cursor_test.cpp
  ${MFC}/tree_ctrl_test.cpp ${TESTS}/support/MessageRecorder.cpp LIBS olvmfc)
add_dependencies(mfc_window_tests mfctestdll)

# The controls and the dialog manager.
set(CONTROLS ${TESTS}/win32_controls)
olvaren_win_test(win32_controls_tests ${TESTS}/support/MessageRecorder.cpp ${CONTROLS}/controls_support.cpp ${CONTROLS}/button_test.cpp ${CONTROLS}/edit_test.cpp
  ${CONTROLS}/combobox_test.cpp ${CONTROLS}/treeview_test.cpp ${CONTROLS}/dialog_template_test.cpp
  ${CONTROLS}/dialog_test.cpp ${CONTROLS}/dialog_keys_test.cpp ${CMAKE_CURRENT_SOURCE_DIR}/modules/win32_controls_tests.rc
  LIBS ${WIN32_LIBS} comctl32)
include(${CMAKE_CURRENT_SOURCE_DIR}/Resources.cmake)
include(${CMAKE_CURRENT_SOURCE_DIR}/FrontEnd.cmake)

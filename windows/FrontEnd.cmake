# The front end and its test support for 64-bit Windows.
#   Compile-checked: every source of tools/ (TextEncodingIconv.cpp and MultibyteCodePage.cpp
#   replaced by their Win32 files) and the Windows files of tests/support, as OBJECT
#   libraries; they are linked where the stand-in IDE's libraries are built.
#   Run under Wine: frontend_tests.exe, the pieces that need no IDE (--encoding's
#   code pages held to iconv's reference, the command-line quoting and the
#   child process runner; its RunOlvaren test starts olvaren.exe, which
#   IdeTests.cmake links).

# CLI11 (header-only, Debian's libcli11-dev) alone in a folder of its own, as
# pugixml's headers are.
set(CLI11_INCLUDE ${CMAKE_BINARY_DIR}/cli11-include)
if(NOT EXISTS /usr/include/CLI/CLI.hpp)
  message(FATAL_ERROR "CLI11: no /usr/include/CLI/CLI.hpp (Debian's libcli11-dev; scripts/deps.sh --windows installs it)")
endif()
file(COPY /usr/include/CLI DESTINATION ${CLI11_INCLUDE})

set(FRONTEND_INCLUDES ${ROOT} ${ADDIN} ${ADDIN}/cdk ${ROOT}/compat/mfc ${PUGI_INCLUDE} ${ROOT}/ide ${ROOT}/tools
  ${CLI11_INCLUDE} ${CMAKE_CURRENT_SOURCE_DIR}/standin)

file(GLOB FRONTEND_SOURCES CONFIGURE_DEPENDS ${ROOT}/tools/*.cpp)
list(FILTER FRONTEND_SOURCES EXCLUDE REGEX "/TextEncodingIconv\\.cpp$")
list(FILTER FRONTEND_SOURCES EXCLUDE REGEX "/TextEncodingWin32\\.cpp$")
list(FILTER FRONTEND_SOURCES EXCLUDE REGEX "/MultibyteCodePage(Win32)?\\.cpp$")
add_library(olvaren_frontend_objects OBJECT ${FRONTEND_SOURCES} ${ROOT}/tools/TextEncodingWin32.cpp
  ${ROOT}/tools/MultibyteCodePageWin32.cpp)
include(${ROOT}/scripts/cmake/Version.cmake)
include(${ROOT}/scripts/cmake/ItemTypeNames.cmake)
olvaren_item_type_names(${ROOT}/ide/outline/ItemTypes.h ${CMAKE_CURRENT_BINARY_DIR})
target_include_directories(olvaren_frontend_objects PRIVATE ${FRONTEND_INCLUDES} ${CMAKE_CURRENT_BINARY_DIR})
target_compile_definitions(olvaren_frontend_objects PRIVATE OLVAREN_VERSION="${OLVAREN_VERSION}")

set(SUPPORT ${ROOT}/tests/support)
add_library(olvaren_frontend_test_support OBJECT ${SUPPORT}/ChildProcessWin32.cpp ${SUPPORT}/RunOlvarenWin32.cpp
  ${SUPPORT}/ProgramRunWin32.cpp ${SUPPORT}/CommandLine.cpp)
target_include_directories(olvaren_frontend_test_support PRIVATE ${SUPPORT})
target_compile_definitions(olvaren_frontend_test_support PRIVATE OLVAREN_MODULE_DIR="")

# The child that the process tests start: prints its arguments back.
add_executable(frontend_echo ${ROOT}/tests/frontend/EchoArguments.cpp ${ROOT}/tools/BinaryStdio.cpp)
target_include_directories(frontend_echo PRIVATE ${ROOT}/tools)

set(FRONTEND_TESTS ${ROOT}/tests/frontend)
olvaren_win_test(frontend_tests
  ${FRONTEND_TESTS}/TextEncodingTest.cpp
  ${FRONTEND_TESTS}/CodePageReference.cpp
  ${FRONTEND_TESTS}/CommandLineTest.cpp
  ${FRONTEND_TESTS}/CommandLineWin32Test.cpp
  ${FRONTEND_TESTS}/GlobTest.cpp
  ${ROOT}/tools/Codebase.cpp
  ${ROOT}/tools/TextEncoding.cpp
  ${ROOT}/tools/TextEncodingWin32.cpp
  ${ROOT}/tools/CodePageNames.cpp
  ${ROOT}/tools/CodePageTable.cpp
  ${ROOT}/tools/Utf8.cpp
  $<TARGET_OBJECTS:olvaren_frontend_test_support>
  LIBS ${WIN32_LIBS})
target_include_directories(frontend_tests PRIVATE ${ROOT}/tools ${SUPPORT})
add_dependencies(frontend_tests frontend_echo)

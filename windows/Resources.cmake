# The add-in's resources on Windows: resources_tests.exe reads the search
# dialog's template out of the 32-bit Olvaren.dll (build-win-i686, built
# first) and compares it with the stand-in build's, and creates the dialog
# from addin/resources/Olvaren.rc compiled into itself.
set(OLVAREN_ADDIN_DLL ${ROOT}/build-win-i686/bin/Olvaren.dll CACHE FILEPATH
  "The 32-bit Olvaren.dll whose resources resources_tests.exe reads")
olvaren_win_test(resources_tests ${TESTS}/resources/DllResourceTest.cpp ${ADDIN}/resources/Olvaren.rc
  LIBS ${WIN32_LIBS})
target_include_directories(resources_tests PRIVATE ${ROOT} ${ADDIN})
target_compile_definitions(resources_tests PRIVATE OLVAREN_ADDIN_DLL="${OLVAREN_ADDIN_DLL}")

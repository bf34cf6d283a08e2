# The stand-in IDE's tests and the add-in's end-to-end tests on 64-bit
# Windows: the test programs of tests/ide_outline, tests/ide_cdk,
# tests/ide_shell, tests/classmate, tests/massfinder, tests/codejumper and
# tests/host that run the IDE and the add-in in one process, and the tests
# that run the front end (olvaren.exe) as a child process, as a user would:
# tests/session, the *CommandTest.cpp files, ide_shell/FrontEndTest.cpp.

set(SUPPORT ${TESTS}/support)
# RunOlvaren, RunInChild and RunProgram for the tests that start olvaren.exe.
set(RUN_FRONT_END $<TARGET_OBJECTS:olvaren_frontend_test_support>)

# olvaren_ide_test(TARGET SOURCES... LIBS libs...): a test program of the IDE.
function(olvaren_ide_test target)
  olvaren_win_test(${target} ${ARGN})
  target_include_directories(${target} PRIVATE ${ROOT} ${ADDIN} ${ADDIN}/cdk ${SUPPORT} ${ROOT}/tools)
  target_compile_definitions(${target} PRIVATE OLVAREN_WIN_TESTS)
endfunction()

olvaren_ide_test(ide_outline_tests ${TESTS}/ide_outline/OutlineReaderTest.cpp ${TESTS}/ide_outline/ItemTypesTest.cpp
  ${TESTS}/ide_outline/IncludeTest.cpp ${TESTS}/ide_outline/CorpusTest.cpp ${TESTS}/ide_outline/OutlineEditTest.cpp
  ${TESTS}/ide_outline/BlockReadingTest.cpp
  LIBS olvide)

set(CDK_TESTS ${TESTS}/ide_cdk)
olvaren_ide_test(ide_cdk_tests ${CDK_TESTS}/TestOutline.cpp ${CDK_TESTS}/cdk_item_test.cpp
  ${CDK_TESTS}/cdk_class_test.cpp ${CDK_TESTS}/cdk_application_test.cpp ${CDK_TESTS}/cdk_notify_test.cpp
  ${CDK_TESTS}/runtime_test.cpp ${CDK_TESTS}/cdk_corpus_test.cpp ${CDK_TESTS}/cdk_lookup_compare_test.cpp
  ${CDK_TESTS}/cdk_index_edit_test.cpp ${CDK_TESTS}/ide_state_test.cpp
  LIBS cdki42 olvide olvmfc ${WIN32_LIBS})
target_include_directories(ide_cdk_tests PRIVATE ${IDE}/cdk)
add_dependencies(ide_cdk_tests cdlli42)

# The shell tests' tool DLL.
add_library(shell_fake_tool SHARED ${TESTS}/ide_shell/FakeTool.cpp ${MODULES}/shell_fake_tool.def)
target_include_directories(shell_fake_tool PRIVATE ${ADDIN}/cdk ${CMAKE_CURRENT_SOURCE_DIR}/standin)
target_link_libraries(shell_fake_tool PRIVATE cdki42 ${WIN32_LIBS})
target_compile_options(shell_fake_tool PRIVATE -Wno-cast-function-type)
set(SHELL_TESTS ${TESTS}/ide_shell)
olvaren_ide_test(ide_shell_tests ${SHELL_TESTS}/ShellTestSupport.cpp ${SHELL_TESTS}/ShellWindowTreeTest.cpp
  ${SHELL_TESTS}/ShellEditorReportTest.cpp ${SHELL_TESTS}/ShellEventsTest.cpp LIBS olvide_shell)
add_dependencies(ide_shell_tests shell_fake_tool cdlli42)

# The fixture of the add-in's tests: the stand-in IDE with Olvaren.dll loaded.
# Report lines are formatted as the front end prints them, with its text
# encodings (the Windows code pages).
set(TEXT_ENCODING ${ROOT}/tools/TextEncoding.cpp ${ROOT}/tools/TextEncodingWin32.cpp ${ROOT}/tools/CodePageNames.cpp
  ${ROOT}/tools/CodePageTable.cpp ${ROOT}/tools/Utf8.cpp)
add_library(olvaren_addin_test_support STATIC ${SUPPORT}/AddinIdeTest.cpp ${ROOT}/tools/ReportLineFormat.cpp
  ${ROOT}/tools/ItemFormat.cpp ${TEXT_ENCODING})
target_include_directories(olvaren_addin_test_support PUBLIC ${SUPPORT} ${ROOT} ${ROOT}/tools)
target_link_libraries(olvaren_addin_test_support PUBLIC olvide_shell olvide gtest)
target_compile_definitions(olvaren_addin_test_support PRIVATE OLVAREN_CORPUS_DIR="${OLVAREN_CORPUS_DIR}")
set(ADDIN_TEST_LIBS olvaren_addin_test_support olvide_shell olvide cdki42 olvmfc ${WIN32_LIBS})

set(CM ${TESTS}/classmate)
olvaren_ide_test(classmate_tests ${CM}/ClassMateTestSupport.cpp ${CM}/ReportTest.cpp ${CM}/ToolCallTest.cpp
  ${CM}/BoundedReportTest.cpp ${CM}/EveryClassTest.cpp ${CM}/ClassMateCommandTest.cpp ${RUN_FRONT_END}
  LIBS ${ADDIN_TEST_LIBS})
add_dependencies(classmate_tests olvaren_addin cdlli42 olvaren)

set(MF ${TESTS}/massfinder)
olvaren_ide_test(massfinder_tests ${MF}/MassFinderTestSupport.cpp ${MF}/SearchReportTest.cpp ${MF}/MatchTest.cpp
  ${MF}/DialogTest.cpp ${MF}/SettingsTest.cpp ${MF}/FindCommandTest.cpp ${RUN_FRONT_END} LIBS ${ADDIN_TEST_LIBS})
add_dependencies(massfinder_tests olvaren_addin cdlli42 olvaren)

set(CJ ${TESTS}/codejumper)
olvaren_ide_test(codejumper_tests ${CJ}/JumpTestSupport.cpp ${CJ}/IdentifierTest.cpp ${CJ}/KeyCommandTest.cpp
  ${CJ}/ScopeWalkTest.cpp ${ADDIN}/codejumper/IdentifierResolution.cpp ${ADDIN}/codejumper/DefinitionSearch.cpp
  ${ADDIN}/codejumper/ItemTypeGroups.cpp ${OLVAREN_STRING_SPLITTER_SOURCE} ${CJ}/JumpCommandTest.cpp ${RUN_FRONT_END}
  LIBS ${ADDIN_TEST_LIBS})
add_dependencies(codejumper_tests olvaren_addin cdlli42 olvaren)

# The host's tests, with the probe build of the add-in.
add_library(olvaren_addin_probe SHARED $<TARGET_OBJECTS:olvaren_addin_objects> ${MFC_DLLMODULE}
  ${TESTS}/host/HostProbe.cpp ${MODULES}/OlvarenProbe.def ${ADDIN_RC})
set_target_properties(olvaren_addin_probe PROPERTIES OUTPUT_NAME OlvarenProbe)
target_include_directories(olvaren_addin_probe PRIVATE ${ROOT} ${ADDIN} ${ADDIN}/cdk ${PUGI_INCLUDE} ${CMAKE_CURRENT_SOURCE_DIR}/standin)
target_link_libraries(olvaren_addin_probe PRIVATE ${OLVAREN_ADDIN_LIBS})
add_executable(host_runtime_child ${TESTS}/host/RuntimeChild.cpp)
target_link_libraries(host_runtime_child PRIVATE ${WIN32_LIBS})
set(HT ${TESTS}/host)
olvaren_ide_test(host_tests ${HT}/HostTestSupport.cpp ${HT}/TraceTest.cpp ${HT}/SettingsTest.cpp ${HT}/DispatchTest.cpp
  ${HT}/WindowSearchTest.cpp ${HT}/LifecycleTest.cpp ${HT}/StringSplitterTest.cpp ${HT}/TestFoldersTest.cpp
  ${HT}/SettingsSharingTest.cpp ${OLVAREN_STRING_SPLITTER_SOURCE} ${RUN_FRONT_END}
  LIBS olvide_shell olvide cdki42 olvmfc pugixml ${WIN32_LIBS})
add_dependencies(host_tests olvaren_addin olvaren_addin_probe cdlli42 host_runtime_child)

# The front end, linked with the stand-in IDE's DLLs.
add_executable(olvaren $<TARGET_OBJECTS:olvaren_frontend_objects>)
target_link_libraries(olvaren PRIVATE olvide_shell olvide cdki42 olvmfc olvstandin_win ${WIN32_LIBS})
add_dependencies(olvaren cdlli42 olvaren_addin)
add_dependencies(frontend_tests olvaren)  # its RunOlvaren test starts olvaren.exe

# The front end run as a user runs it: its outline listing and errors, and
# its session language, JSON output and --encoding.
olvaren_ide_test(olvaren_frontend_tests ${SHELL_TESTS}/FrontEndTest.cpp ${RUN_FRONT_END} LIBS olvide ${WIN32_LIBS})
add_dependencies(olvaren_frontend_tests olvaren)
set(SESSION_TESTS ${TESTS}/session)
olvaren_ide_test(session_tests ${SESSION_TESTS}/SessionCommandTest.cpp ${SESSION_TESTS}/SessionScriptTest.cpp
  ${ROOT}/tools/SessionScript.cpp ${ROOT}/tools/ItemJson.cpp ${TEXT_ENCODING} ${RUN_FRONT_END}
  LIBS olvide ${WIN32_LIBS})
target_include_directories(session_tests PRIVATE ${IDE}/shell)
add_dependencies(session_tests olvaren)
olvaren_ide_test(codebase_tests ${TESTS}/codebase/CodebaseCommandTest.cpp ${RUN_FRONT_END} LIBS ${ADDIN_TEST_LIBS})
add_dependencies(codebase_tests olvaren)

# ADDIN_SOURCES: the add-in's source list, read from addin/CMakeLists.txt
# (so a file added to the add-in is built for Windows too).
file(READ ${ROOT}/addin/CMakeLists.txt ADDIN_LISTS)
string(REGEX MATCH "set\\(OLVAREN_ADDIN_SOURCES[^)]*\\)" ADDIN_SET "${ADDIN_LISTS}")
string(REGEX MATCHALL "\\\${PROJECT_SOURCE_DIR}/[^ \t\r\n)]+" ADDIN_FILES "${ADDIN_SET}")
set(ADDIN_SOURCES)
foreach(f ${ADDIN_FILES})
  string(REPLACE "\${PROJECT_SOURCE_DIR}" "${ROOT}" f "${f}")
  list(APPEND ADDIN_SOURCES ${f})
endforeach()
list(LENGTH ADDIN_SOURCES n)
if(n EQUAL 0)
  message(FATAL_ERROR "addin/CMakeLists.txt: no OLVAREN_ADDIN_SOURCES list found")
endif()

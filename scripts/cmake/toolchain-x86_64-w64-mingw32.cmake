# Cross build for x86_64 Windows with Debian's MinGW-w64:
# cmake -S windows -B build-win-x86_64 -DCMAKE_TOOLCHAIN_FILE=scripts/cmake/toolchain-x86_64-w64-mingw32.cmake
set(OLVAREN_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-w64.cmake)

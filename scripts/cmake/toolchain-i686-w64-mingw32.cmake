# Cross build for i686 Windows with Debian's MinGW-w64:
# cmake -S windows -B build-win-i686 -DCMAKE_TOOLCHAIN_FILE=scripts/cmake/toolchain-i686-w64-mingw32.cmake
set(OLVAREN_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-w64.cmake)

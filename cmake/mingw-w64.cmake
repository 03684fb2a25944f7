# Cross-build for 64-bit Windows with Debian's mingw-w64 (posix threads), runtime
# linked statically so the programs run under Wine without extra DLLs.
# The built-in engine needs libzip and pugixml, which Debian does not build for
# mingw: this build leaves it out and builds convert/ and its Windows tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LECTAVO_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LECTAVO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LECTAVO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${LECTAVO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LECTAVO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Tests run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

set(LECTAVO_BUILD_ENGINE OFF CACHE BOOL "Build the built-in engine (needs libzip and pugixml)")
set(LECTAVO_BUILD_GUI OFF CACHE BOOL "Build the window (needs Qt 6 Widgets)")

# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the -posix
# flavour, whose threads std::thread needs):
#   cmake --preset windows (CMakePresets.json), as make windows does
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOLVANE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOLVANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLVANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLVANE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOLVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests built for Windows run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

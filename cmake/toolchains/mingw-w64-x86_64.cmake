# Cross-building the Windows game with Debian's MinGW-w64 (posix threads) on Linux; tests run under
# Wine. Everything is linked statically, so the program needs only DLLs every Windows has.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(GLOAM_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${GLOAM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GLOAM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GLOAM_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${GLOAM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Debian's `wine` starts the 32-bit loader first to decide which one to run; the 64-bit loader
# itself starts a 64-bit program straight away (the 32-bit one may run emulated, and slowly).
find_program(GLOAM_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(GLOAM_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GLOAM_WINE64})
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()

# What both Windows toolchain files share: Debian's MinGW-w64 (posix threads) for the triple they
# set, the target's own libraries and headers, and everything linked statically, so the program
# needs only DLLs every Windows has. Tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${GLOAM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GLOAM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GLOAM_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${GLOAM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Cross-building the 64-bit Windows game on Linux.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(GLOAM_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# Debian's `wine` starts the 32-bit loader first to decide which one to run; the 64-bit loader
# itself starts a 64-bit program straight away (the 32-bit one may run emulated, and slowly).
find_program(GLOAM_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(GLOAM_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GLOAM_WINE64})
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()

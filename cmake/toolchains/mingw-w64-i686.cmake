# Cross-building the 32-bit Windows game (the specified target) on Linux.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(GLOAM_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# x87 keeps intermediates in 80 bits; SSE2 rounds every float operation as the 64-bit builds do,
# which is what keeps the first-person walk and the tables identical on every build.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

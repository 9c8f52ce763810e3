# Cross-compiles the Windows program with Debian's MinGW-w64 for 32-bit Windows.
set(MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# The scaler arithmetic must round every step to double, as the x86-64 build does. x87 code
# keeps intermediates in 80-bit registers (MinGW's start-up sets 64-bit precision), which puts
# about one result in a hundred off by one; SSE2 evaluates in IEEE double. Every processor that
# runs a supported Windows has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

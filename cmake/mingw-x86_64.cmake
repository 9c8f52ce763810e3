# The same program for 64-bit Windows. Corvane ships as the 32-bit build; this one exists so
# that a machine whose Wine runs only 64-bit programs can still run the Windows tests.
set(MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

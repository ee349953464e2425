# Cross build for 32-bit Windows (x86, PE32).
set(MINGW_TARGET i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

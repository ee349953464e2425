# Cross build for 64-bit Windows (x64, PE32+).
set(MINGW_TARGET x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

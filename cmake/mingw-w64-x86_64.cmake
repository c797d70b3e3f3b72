# x86_64 Windows with the posix-threads variant of mingw-w64. Executables and DLLs are linked
# statically, so nothing of the compiler's runtime has to travel with them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(DRAVEL_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

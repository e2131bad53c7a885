# The 64-bit program as users download it: win32 thread model, so that it
# imports only what 64-bit Windows XP has. Builds no tests (they need posix).
set(TPR_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

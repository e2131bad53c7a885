# The program as users download it: 32-bit, win32 thread model, so that it
# imports only what Windows 2000 has. Builds no tests (they need posix).
set(TPR_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-i686.cmake)

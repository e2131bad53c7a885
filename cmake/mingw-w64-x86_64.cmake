# The same sources as a 64-bit Windows executable, for running the Windows
# tests where the machine cannot execute 32-bit code (so no 32-bit Wine).
set(TPR_MINGW_ARCH x86_64)
set(TPR_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

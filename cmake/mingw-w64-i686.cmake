# The program as shipped: a 32-bit Windows executable.
set(TPR_MINGW_ARCH i686)
set(TPR_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

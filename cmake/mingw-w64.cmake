# Common part of the MinGW-w64 cross toolchains. The thread model is posix
# unless the including file chose win32: GoogleTest's std::mutex needs posix,
# whose runtime imports functions Windows 2000 and XP lack, so the shipped
# program is built with win32. Test executables run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TPR_MINGW_ARCH})

if(NOT DEFINED TPR_MINGW_THREADS)
  set(TPR_MINGW_THREADS posix)
endif()
set(CMAKE_C_COMPILER ${TPR_MINGW_ARCH}-w64-mingw32-gcc-${TPR_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${TPR_MINGW_ARCH}-w64-mingw32-g++-${TPR_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${TPR_MINGW_ARCH}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TPR_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run;--arch=${TPR_WINE_ARCH})

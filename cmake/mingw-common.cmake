# Cross build for Windows with the posix-thread mingw-w64 compilers; MORVANE_ARCH names the target
# (x86_64 or i686) and is set by the toolchain file that includes this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MORVANE_ARCH})
set(CMAKE_C_COMPILER ${MORVANE_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVANE_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${MORVANE_ARCH}-w64-mingw32-windres)
set(MORVANE_WIDL ${MORVANE_ARCH}-w64-mingw32-widl)
set(CMAKE_FIND_ROOT_PATH /usr/${MORVANE_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Static runtime, so that Wine (and a user's machine) needs no MinGW DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Cross build for Windows i686.
set(MORVANE_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

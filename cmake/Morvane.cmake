# Build helpers shared by every folder.

# GoogleTest: the system packages natively; built from Debian's sources for the cross builds.
macro(morvane_find_gtest)
    if(CMAKE_CROSSCOMPILING)
        set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
        # Windows tests run in this build tree's private Wine prefix.
        set(MORVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
        configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                        WORLD_READ WORLD_EXECUTE)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
    else()
        find_package(GTest REQUIRED)
    endif()
endmacro()

# One static library per folder: its portable .cpp files, plus its _win.cpp files on Windows.
#   morvane_add_layer(<name> [DEPS <targets...>])
function(morvane_add_layer name)
    cmake_parse_arguments(L "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(NOT WIN32)
        list(FILTER sources EXCLUDE REGEX "_win\\.cpp$")
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${L_DEPS})
endfunction()

# One GoogleTest program run by ctest (under Wine in the cross builds).
#   morvane_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LOCKS <resources...>]
#                    [EACH_CASE <cases...>])
# LOCKS names shared state (such as "registry") that tests must not use at the same time.
# EACH_CASE runs the program once per case, in a process of its own (ctest test <name>/<case>,
# the program's tests whose names end in <case>), for cases that may spoil their process.
function(morvane_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;LOCKS;EACH_CASE" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    set(tests)
    if(T_EACH_CASE)
        foreach(case ${T_EACH_CASE})
            add_test(NAME ${name}/${case} COMMAND ${name} --gtest_filter=*${case})
            list(APPEND tests ${name}/${case})
        endforeach()
    else()
        add_test(NAME ${name} COMMAND ${name})
        set(tests ${name})
    endif()
    set_tests_properties(${tests} PROPERTIES TIMEOUT 600)
    # Under Wine every test program shares one desktop: activation and focus in one would
    # disturb another, so they run one at a time.
    if(CMAKE_CROSSCOMPILING)
        list(APPEND T_LOCKS desktop)
    endif()
    if(T_LOCKS)
        set_tests_properties(${tests} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
    endif()
endfunction()

# A binary we ship: its release build is stripped of the symbols and the debug sections that
# the static runtime brings along (they made the library twice its size, and Wine reads a
# library in whole).
#   morvane_strip_release(<target>)
function(morvane_strip_release target)
    if(NOT MSVC)
        target_link_options(${target} PRIVATE $<$<CONFIG:Release>:-s>)
    endif()
endfunction()

# Adds every subfolder of the current folder that has a CMakeLists.txt.
function(morvane_add_subfolders)
    file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(child ${children})
        if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()

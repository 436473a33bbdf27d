# cmake -DROOT=<source root> -DOUT=<file> -P windows_sources.cmake
#
# Writes the C++ files a Windows build compiles, one "<target> <file>" a line,
# read from the same lists the build reads, with WIN32 set and UNIX not, so
# every if(WIN32) branch is taken instead of the Linux one.
#
# The top-level CMakeLists.txt is not run (it finds Qt and packages, which a
# script cannot); from it are taken only the commands that name sources: the
# add_library/add_executable calls, the include()s of */sources.cmake and the
# add_subdirectory()s of tools/. Those files are then read with the commands
# below standing in for CMake's own: the ones naming sources record them, the
# rest (link libraries, options, resources) change nothing that is compiled
# here. Any other command that only a configure run knows stops the script
# with CMake's own error, so a list that grows a new kind of command is
# noticed, not skipped.

cmake_minimum_required(VERSION 3.21)

if(NOT ROOT OR NOT OUT)
    message(FATAL_ERROR "usage: cmake -DROOT=<source root> -DOUT=<file> -P windows_sources.cmake")
endif()

set(WIN32 1)
set(UNIX "")
set(APPLE "")
set(LINUX "")
set(CMAKE_CURRENT_SOURCE_DIR "${ROOT}")
set(PROJECT_SOURCE_DIR "${ROOT}")
set(CMAKE_SOURCE_DIR "${ROOT}")

# Sources named relative to the folder whose CMakeLists.txt names them.
function(_q530_record target)
    set(files "")
    foreach(arg IN LISTS ARGN)
        if(arg MATCHES "^(PRIVATE|PUBLIC|INTERFACE|STATIC|SHARED|OBJECT|MODULE|WIN32|EXCLUDE_FROM_ALL)$")
            continue()
        endif()
        if(NOT IS_ABSOLUTE "${arg}")
            set(arg "${CMAKE_CURRENT_SOURCE_DIR}/${arg}")
        endif()
        if(arg MATCHES "\\.(cpp|cc|cxx)$")
            file(RELATIVE_PATH arg "${ROOT}" "${arg}")
            list(APPEND files "${arg}")
        endif()
    endforeach()
    set_property(GLOBAL APPEND PROPERTY q530_sources_${target} ${files})
    get_property(known GLOBAL PROPERTY q530_targets)
    if(NOT target IN_LIST known)
        set_property(GLOBAL APPEND PROPERTY q530_targets ${target})
    endif()
endfunction()

function(add_library name)
    # An alias or imported library compiles nothing of its own.
    if(NOT ("ALIAS" IN_LIST ARGN OR "IMPORTED" IN_LIST ARGN OR "INTERFACE" IN_LIST ARGN))
        _q530_record(${name} ${ARGN})
    endif()
endfunction()
function(add_executable name)
    _q530_record(${name} ${ARGN})
endfunction()
function(target_sources name)
    _q530_record(${name} ${ARGN})
endfunction()

# What changes nothing here: linking, options (the compile stage sets its
# own), resources (data, compiled by rcc, not ours) and source properties
# (only the Linux branch sets any).
foreach(command target_link_libraries target_include_directories target_compile_options
                target_compile_definitions set_target_properties set_source_files_properties
                add_dependencies qt_add_resources qt_add_qml_module)
    cmake_language(EVAL CODE "function(${command})\nendfunction()")
endforeach()

file(READ "${ROOT}/CMakeLists.txt" top)
# Comments go first, so a command mentioned in one is not taken for a call.
string(REGEX REPLACE "#[^\n]*" "" top "${top}")
string(REGEX MATCHALL "(^|\n)[ \t]*(add_library|add_executable|include|add_subdirectory)[ \t]*\\([^)]*\\)"
       calls "${top}")
foreach(call IN LISTS calls)
    string(STRIP "${call}" call)
    if(call MATCHES "^include[ \t]*\\([ \t]*([^ \t)]+/sources\\.cmake)[ \t]*\\)$")
        include("${ROOT}/${CMAKE_MATCH_1}")
    elseif(call MATCHES "^add_subdirectory[ \t]*\\([ \t]*(tools/[^ \t)]+)[ \t]*\\)$")
        set(CMAKE_CURRENT_SOURCE_DIR "${ROOT}/${CMAKE_MATCH_1}")
        include("${ROOT}/${CMAKE_MATCH_1}/CMakeLists.txt")
        set(CMAKE_CURRENT_SOURCE_DIR "${ROOT}")
    elseif(call MATCHES "^add_(library|executable)")
        cmake_language(EVAL CODE "${call}")
    endif()
endforeach()

set(lines "")
get_property(targets GLOBAL PROPERTY q530_targets)
foreach(target IN LISTS targets)
    get_property(files GLOBAL PROPERTY q530_sources_${target})
    list(REMOVE_DUPLICATES files)
    foreach(file IN LISTS files)
        if(NOT EXISTS "${ROOT}/${file}")
            message(FATAL_ERROR "${target} names ${file}, which does not exist")
        endif()
        string(APPEND lines "${target} ${file}\n")
    endforeach()
endforeach()
if(lines STREQUAL "")
    message(FATAL_ERROR "no sources found under ${ROOT}")
endif()
file(WRITE "${OUT}" "${lines}")

# Brings the shipped data folder SRC into the data folder DST beside a built
# program, without ever replacing what the program writes there.
#
#   cmake -DSRC=<shipped modules> -DDST=<modules beside the program> -P seed_data.cmake
#
# Files the program only reads (language files, factory profiles, the default
# configuration, pictures) follow the shipped copy; every other file (the
# configuration, profiles, name registry, macros, gun presets) is copied only
# when it is missing, so a user's changes survive every build.
if(NOT SRC OR NOT DST)
    message(FATAL_ERROR "seed_data.cmake needs -DSRC=... and -DDST=...")
endif()

# The program seeds a user's data folder by the same list.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/../platform/readonlydata.txt" read_only_patterns REGEX "^[^#]")
if(NOT read_only_patterns)
    message(FATAL_ERROR "no read-only patterns in platform/readonlydata.txt")
endif()

file(GLOB_RECURSE shipped RELATIVE "${SRC}" LIST_DIRECTORIES false "${SRC}/*")
foreach(relative IN LISTS shipped)
    set(read_only FALSE)
    foreach(pattern IN LISTS read_only_patterns)
        if(relative MATCHES "${pattern}")
            set(read_only TRUE)
        endif()
    endforeach()
    set(target "${DST}/${relative}")
    get_filename_component(folder "${target}" DIRECTORY)
    if(read_only)
        file(MAKE_DIRECTORY "${folder}")
        file(COPY_FILE "${SRC}/${relative}" "${target}" ONLY_IF_DIFFERENT)
    elseif(NOT EXISTS "${target}")
        file(MAKE_DIRECTORY "${folder}")
        file(COPY_FILE "${SRC}/${relative}" "${target}")
    endif()
endforeach()

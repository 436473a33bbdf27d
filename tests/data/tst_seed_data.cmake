# A build must never replace what the program wrote beside itself, and must
# still bring new and refreshed shipped files. Runs the build's own seeding
# step twice on a scratch folder.
#   cmake -DSEED=<seed_data.cmake> -DSRC=<shipped modules> -DWORK=<scratch> -P tst_seed_data.cmake
file(REMOVE_RECURSE "${WORK}")
set(shipped "${WORK}/shipped")
set(beside "${WORK}/modules")
file(COPY "${SRC}/" DESTINATION "${shipped}")

function(seed)
    execute_process(COMMAND "${CMAKE_COMMAND}" -DSRC=${shipped} -DDST=${beside} -P "${SEED}"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "seeding failed: ${result}")
    endif()
endfunction()

function(expect file content)
    file(READ "${file}" actual)
    if(NOT actual STREQUAL content)
        message(FATAL_ERROR "${file} holds '${actual}', expected '${content}'")
    endif()
endfunction()

seed()
file(GLOB_RECURSE first RELATIVE "${shipped}" "${shipped}/*")
foreach(f IN LISTS first)
    if(NOT EXISTS "${beside}/${f}")
        message(FATAL_ERROR "first seeding left out ${f}")
    endif()
endforeach()

# What the program writes between two builds.
set(written setting/p1.bin setting/apConfig.bin setting/name.bin "gun/Double fire.bin")
foreach(f IN LISTS written)
    file(WRITE "${beside}/${f}" "user's ${f}")
endforeach()
file(MAKE_DIRECTORY "${beside}/macro")
file(WRITE "${beside}/macro/mine.bin" "user's macro")
# A newer version ships changed read-only files and a new file.
file(WRITE "${shipped}/i18n/lang_025044.ini" "new language file")
file(WRITE "${shipped}/setting/pD.bin" "new factory profile")
file(WRITE "${shipped}/setting/p1.bin" "new shipped p1")
file(WRITE "${shipped}/gun/New preset.bin" "new preset")

seed()
foreach(f IN LISTS written)
    expect("${beside}/${f}" "user's ${f}")
endforeach()
expect("${beside}/macro/mine.bin" "user's macro")
expect("${beside}/i18n/lang_025044.ini" "new language file")
expect("${beside}/setting/pD.bin" "new factory profile")
expect("${beside}/gun/New preset.bin" "new preset")
file(REMOVE_RECURSE "${WORK}")

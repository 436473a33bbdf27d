# Writes qmllint's reports of the pages and of the page tests and checks
# them. Qt's lint target fails when there are warnings; judging them is the
# check's part, so its result is not looked at here.
set(pages_report "${BUILD}/q530ui_qmllint.json")
set(tests_report "${BUILD}/tests/lint/page_tests_qmllint.json")
file(REMOVE "${pages_report}" "${tests_report}")
# The qmllint of Qt 6.4 crashes on some runs over the whole module (a fault of
# its own, seen about one run in ten): a run that leaves no report is made
# again, up to three times.
foreach(attempt RANGE 2)
    execute_process(COMMAND ${CMAKE_COMMAND} --build "${BUILD}" --target all_qmllint_json
                    OUTPUT_QUIET ERROR_QUIET)
    if(EXISTS "${pages_report}")
        break()
    endif()
endforeach()

set(args --bare)
foreach(dir IN LISTS IMPORTS)
    list(APPEND args -I "${dir}")
endforeach()
file(GLOB resources "${BUILD}/.rcc/*.qrc")
foreach(qrc IN LISTS resources)
    list(APPEND args --resource "${qrc}")
endforeach()
foreach(attempt RANGE 2)
    execute_process(COMMAND "${QMLLINT}" ${args} --json "${tests_report}" ${TESTS}
                    OUTPUT_QUIET ERROR_QUIET)
    if(EXISTS "${tests_report}")
        break()
    endif()
endforeach()

foreach(report pages_report tests_report)
    if(NOT EXISTS "${${report}}")
        message(FATAL_ERROR "qmllint wrote no report at ${${report}}")
    endif()
endforeach()
execute_process(COMMAND "${PYTHON}" "${CHECK}" "${pages_report}" --allow ui_View --allow ui_Ctl
                RESULT_VARIABLE pages_result)
execute_process(COMMAND "${PYTHON}" "${CHECK}" "${tests_report}" --allow ui_View --allow ui_Ctl --allow testRig
                RESULT_VARIABLE tests_result)
if(NOT pages_result EQUAL 0 OR NOT tests_result EQUAL 0)
    message(FATAL_ERROR "qmllint found warnings")
endif()

# Writes qmllint's report of the pages (its target fails when there are
# warnings, which is the check's to judge) and checks it.
file(REMOVE "${REPORT}")
execute_process(COMMAND ${CMAKE_COMMAND} --build "${BUILD}" --target all_qmllint_json
                OUTPUT_QUIET ERROR_QUIET)
if(NOT EXISTS "${REPORT}")
    message(FATAL_ERROR "qmllint wrote no report at ${REPORT}")
endif()
set(allow_args "")
foreach(name IN LISTS ALLOW)
    list(APPEND allow_args --allow ${name})
endforeach()
execute_process(COMMAND "${PYTHON}" "${CHECK}" "${REPORT}" ${allow_args} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "qmllint found warnings in the pages")
endif()

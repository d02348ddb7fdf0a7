# Runs lupdate over the windows' sources into a copy of TS_FILE, with the options the
# thalmuro_update_translations target uses, and fails when the copy then differs from TS_FILE or
# holds an unfinished or vanished entry.
set(project_file "${WORK_DIR}/lupdate_project.json")
set(copy "${WORK_DIR}/current.ts")
execute_process(
    COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT_INPUT} -DOUT_FILE=${project_file}
        -P ${PROJECT_GENERATOR}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the lupdate project could not be made from ${PROJECT_INPUT}")
endif()
configure_file(${TS_FILE} ${copy} COPYONLY)
execute_process(
    COMMAND ${LUPDATE} -project ${project_file} -source-language el -locations none -no-obsolete
        -ts ${copy}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
set(remedy "run `cmake --build <build> --target thalmuro_update_translations` and write the English of every new text")
file(READ ${TS_FILE} committed)
file(READ ${copy} current)
if(NOT committed STREQUAL current)
    execute_process(COMMAND diff -u ${TS_FILE} ${copy} OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "${TS_FILE} is not current with the sources; ${remedy}:\n${difference}")
endif()
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\"" open "${current}")
if(open)
    string(REPLACE ";" "\n" open "${open}")
    message(FATAL_ERROR "entries without English in ${TS_FILE}; ${remedy}:\n${open}")
endif()

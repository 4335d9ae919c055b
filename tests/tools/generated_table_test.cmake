# Runs a generator and fails unless what it writes is the committed file.
# Usage: cmake -DGENERATOR=program -DCOMMITTED=file -DOUTPUT=scratch -P generated_table_test.cmake
execute_process(COMMAND ${GENERATOR} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed (${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what ${GENERATOR} writes now: regenerate it (see the generator's first lines)")
endif()

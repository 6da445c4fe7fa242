# Compresses IN into OUT with GZIP, reproducibly.
execute_process(COMMAND ${GZIP} -9 -n -c ${IN} OUTPUT_FILE ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  file(REMOVE ${OUT})
  message(FATAL_ERROR "${GZIP} could not compress ${IN}")
endif()

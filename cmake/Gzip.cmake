# cmake -DINPUT=file -DOUTPUT=file.gz -P Gzip.cmake: gzip -9n, bytes independent
# of the file's name and time.
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -9nc INPUT_FILE ${INPUT} OUTPUT_FILE ${OUTPUT}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "gzip ${INPUT} failed: ${result}")
endif()

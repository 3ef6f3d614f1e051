# Runs the script driver as a program and checks its exit status and standard error exactly, and
# that standard output contains a given text.
# -DPROGRAM=... -DARGS="a;b" [-DINPUT=file] -DSTATUS=n -DERROR=text [-DOUTPUT=text]
# [-DEMULATOR="wine;..."] (what runs a cross-built program)
set(input_option)
if(INPUT)
  set(input_option INPUT_FILE "${INPUT}")
endif()
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${ARGS} ${input_option}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstderr: ${err}")
endif()
if(NOT err STREQUAL ERROR)
  message(FATAL_ERROR "stderr:\n${err}\nexpected:\n${ERROR}")
endif()
if(OUTPUT)
  string(FIND "${out}" "${OUTPUT}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "stdout lacks '${OUTPUT}':\n${out}")
  endif()
endif()

# Replays a golden transcript through the kalvenor-script program itself: its "> " lines are the
# script, run with --echo in the transcript's folder, and what the program writes must be the
# transcript byte for byte (the same files hold the Linux and the Windows program to one result).
# -DPROGRAM=... -DTRANSCRIPT=file -DWORK_DIR=folder [-DEMULATOR="wine;..."]
file(READ "${TRANSCRIPT}" expected)
# A semicolon would split CMake's list of lines: it travels as a placeholder meanwhile.
string(REPLACE ";" "@SEMICOLON@" escaped "${expected}")
string(REGEX MATCHALL "\n> [^\n]*" echoed "\n${escaped}")
set(script "")
foreach(line IN LISTS echoed)
  string(SUBSTRING "${line}" 3 -1 command)
  string(APPEND script "${command}\n")
endforeach()
string(REPLACE "@SEMICOLON@" ";" script "${script}")
get_filename_component(name "${TRANSCRIPT}" NAME_WE)
set(script_file "${CMAKE_CURRENT_BINARY_DIR}/transcript_${name}.script")
file(WRITE "${script_file}" "${script}")

execute_process(COMMAND ${EMULATOR} "${PROGRAM}" --echo "${script_file}"
                WORKING_DIRECTORY "${WORK_DIR}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT "${out}${err}" STREQUAL "${expected}")
  file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/transcript_${name}.actual" "${out}${err}")
  message(FATAL_ERROR "${PROGRAM} wrote something else than ${TRANSCRIPT}: see "
                      "${CMAKE_CURRENT_BINARY_DIR}/transcript_${name}.actual")
endif()

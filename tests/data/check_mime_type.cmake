# Builds a MIME database from the saved-game type alone, as the package's trigger does, and checks
# that the glob outweighs the script type's (weight 50) and that the magic matches the header of
# every D: the words D and 8^D, little-endian, at offsets 0 and 4.
# -DDEFINITION=file.xml -DWORK_DIR=folder
set(mime "${WORK_DIR}/mime")
file(REMOVE_RECURSE "${WORK_DIR}")
file(COPY "${DEFINITION}" DESTINATION "${mime}/packages")
execute_process(COMMAND update-mime-database "${mime}" RESULT_VARIABLE result ERROR_VARIABLE problems)
# It always notes that a private folder is not on the search path; anything else is a problem.
string(REGEX REPLACE "Note that .*" "" problems "${problems}")
string(STRIP "${problems}" problems)
if(NOT result EQUAL 0 OR problems)
  message(FATAL_ERROR "update-mime-database refused the definition: ${problems}")
endif()
file(READ "${mime}/globs2" globs)
if(NOT globs MATCHES "(^|\n)60:application/x-kalvenor-saved-game:\\*\\.gd\n")
  message(FATAL_ERROR "no *.gd glob of weight 60:\n${globs}")
endif()

# A 32-bit word as little-endian hex bytes.
function(little_endian value out)
  set(bytes "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${value} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 digits)
    string(LENGTH "${digits}" length)
    if(length EQUAL 1)
      set(digits "0${digits}")
    endif()
    string(APPEND bytes "${digits}")
  endforeach()
  set(${out} "${bytes}" PARENT_SCOPE)
endfunction()

file(READ "${mime}/magic" magic HEX)
foreach(dimension RANGE 2 8)
  math(EXPR cells "1 << (3 * ${dimension})")
  little_endian(${dimension} first)
  little_endian(${cells} second)
  # ">0=" four bytes, then the nested "1>4=" four bytes (the magic file's own notation).
  set(rule "3e303d0004${first}0a313e343d0004${second}")
  string(FIND "${magic}" "${rule}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "no magic for ${dimension} axes (${rule}) in ${magic}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")

# cmake -DSOURCE_DIR=... -DWORK_DIR=... -P check_po_files.cmake: every translation is well formed
# (msgfmt --check), po/kalvenor.pot holds exactly the texts of the sources, and every text of it
# is translated in every po/*.po (msgcmp counts untranslated and fuzzy texts as missing).
find_program(MSGFMT msgfmt REQUIRED)
find_program(MSGCMP msgcmp REQUIRED)
set(fix "run scripts/update-po.sh and translate what it reports")

file(GLOB translations "${SOURCE_DIR}/po/*.po")
foreach(po IN LISTS translations)
  execute_process(COMMAND "${MSGFMT}" --check --output-file=/dev/null "${po}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${po}: msgfmt --check failed")
  endif()
endforeach()

set(fresh "${WORK_DIR}/kalvenor.pot")
execute_process(COMMAND "${SOURCE_DIR}/scripts/extract-texts.sh" "${fresh}" RESULT_VARIABLE status
                ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "extracting the texts failed: ${errors}")
endif()
foreach(pot fresh committed)
  if(pot STREQUAL "fresh")
    file(READ "${fresh}" text)
  else()
    file(READ "${SOURCE_DIR}/po/kalvenor.pot" text)
  endif()
  string(REGEX REPLACE "\"POT-Creation-Date: [^\"]*\"" "" ${pot} "${text}")
endforeach()
if(NOT fresh STREQUAL committed)
  message(FATAL_ERROR "po/kalvenor.pot is not the catalog of the sources: ${fix}")
endif()

foreach(po IN LISTS translations)
  execute_process(COMMAND "${MSGCMP}" "${po}" "${SOURCE_DIR}/po/kalvenor.pot" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${po} lacks translations: ${fix}")
  endif()
endforeach()

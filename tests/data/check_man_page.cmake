# Renders a manual page as man shows it and fails on any warning, and on text that came out as
# question marks (a character lost on the way from --help). -DPAGE=file.N.gz
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "${PAGE}"
                RESULT_VARIABLE result OUTPUT_VARIABLE page ERROR_VARIABLE warnings)
if(NOT result EQUAL 0 OR warnings)
  message(FATAL_ERROR "man: status ${result}\n${warnings}")
endif()
if(page MATCHES "\\?\\?\\?" OR NOT page MATCHES "NAME")
  message(FATAL_ERROR "the page did not render whole:\n${page}")
endif()

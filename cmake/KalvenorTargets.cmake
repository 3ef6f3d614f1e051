# kalvenor_library(NAME [DEPS ...]): the library of one source folder, built from its .cpp files.
function(kalvenor_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# kalvenor_test(NAME SOURCES ... LIBS ...): a GoogleTest program registered with CTest.
function(kalvenor_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  if(CMAKE_CROSSCOMPILING)
    # Under an emulator every start costs: one test per program, and no discovery at build time.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "KALVENOR_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT
                         "KALVENOR_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  endif()
endfunction()

# add_subdirectory for every direct subfolder of the current folder that has a CMakeLists.txt.
# The build configures itself again when such a file comes or goes.
function(kalvenor_add_subfolders)
  file(GLOB lists CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt")
  foreach(list IN LISTS lists)
    get_filename_component(child "${list}" DIRECTORY)
    add_subdirectory("${child}")
  endforeach()
endfunction()

# kalvenor_lost_output_test(NAME PROGRAM REDIRECT ARGS...): runs PROGRAM with ARGS, its standard
# output redirected by the shell's REDIRECT (">/dev/full", ">&-"), and passes when the program
# says on standard error that the output was lost and exits with status 1.
function(kalvenor_lost_output_test name program redirect)
  if(WIN32)
    return()
  endif()
  add_test(NAME ${name}
           COMMAND sh -c "\"$0\" \"$@\" 2>&1 ${redirect}; echo \"status $?\"" "$<TARGET_FILE:${program}>" ${ARGN})
  set_tests_properties(${name} PROPERTIES PASS_REGULAR_EXPRESSION
                       "^${program}: cannot write to standard output: [A-Za-z ]+\nstatus 1\n$")
endfunction()

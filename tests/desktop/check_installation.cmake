# Installs the build into a fresh folder and checks that the programs, the desktop entry and the
# icon land where desktop environments look for them.
# Usage: cmake -DBUILD_DIR=... -DPREFIX=... -DPROGRAMS=a;b -DAPPLICATION_ID=... -P check_installation.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected share/applications/${APPLICATION_ID}.desktop
             share/icons/hicolor/scalable/apps/${APPLICATION_ID}.svg
             share/metainfo/${APPLICATION_ID}.metainfo.xml share/mime/packages/${APPLICATION_ID}.xml)
foreach(program IN LISTS PROGRAMS)
  list(APPEND expected "bin/${program}")
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(READ "${PREFIX}/share/applications/${APPLICATION_ID}.desktop" entry)
foreach(line "Exec=kalvenor" "Icon=${APPLICATION_ID}" "Type=Application")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")

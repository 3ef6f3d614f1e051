# What the Windows build needs beyond the toolchain file: GoogleTest built from Debian's sources
# for the target, and Wine to run the test programs in a prefix of this build's own.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)

set(KALVENOR_WINEPREFIX "${PROJECT_BINARY_DIR}/wine-prefix" CACHE PATH "The Wine prefix the tests run in")
find_program(KALVENOR_WINE NAMES wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env WINEPREFIX=${KALVENOR_WINEPREFIX} WINEDEBUG=-all
    ${KALVENOR_WINE})

# `cmake --build build-windows --target package`: kalvenor-<version>-windows-x64.zip with the four
# programs, the README and the licence at the top of one folder, the player's guide beside them.
install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/docs/playing.md" DESTINATION docs)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kalvenor)
set(CPACK_PACKAGE_FILE_NAME "kalvenor-${PROJECT_VERSION}-windows-x64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_OUTPUT_FILE_PREFIX "${PROJECT_BINARY_DIR}")
include(CPack)

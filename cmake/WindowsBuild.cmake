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

# The Windows build's test harness: GoogleTest from the sources Debian's
# googletest package ships, and Wine to run each test program.
set(KAVO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to cross-build")
set(KAVO_WINELOADER /usr/lib/wine/wine64 CACHE FILEPATH "The Wine loader the tests run under")
set(KAVO_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "The Wine prefix of the tests")

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${KAVO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

configure_file(${CMAKE_SOURCE_DIR}/tests/common/winerun.sh.in ${CMAKE_BINARY_DIR}/winerun.sh
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/winerun.sh)

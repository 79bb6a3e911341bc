# The Windows suite: the tests of ipc/ and settings/ built with mingw-w64 and
# run under Wine, each program whole as one test.

add_library(kavo_test_plain STATIC common/main_plain_win.cpp)
target_link_libraries(kavo_test_plain PUBLIC Kavo::options GTest::gmock GTest::gtest)
add_library(kavo_test_child STATIC common/childprocess.h common/childprocess.cpp common/childprocess_win.cpp)
target_link_libraries(kavo_test_child PUBLIC Kavo::options)

function(kavo_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Kavo::options ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}" TIMEOUT 300)
endfunction()

kavo_add_test(foundation_test
    SOURCES foundation/textconvert_test.cpp foundation/textconvert_win_test.cpp foundation/refcount_test.cpp
    LIBS kavo_test_plain Kavo::ipc
    LABELS unit)

# Threads and locks
kavo_add_test(kavoipc_threads_test
    SOURCES ipc/kavoosthread_test.cpp ipc/kavoosmutex_test.cpp
    LIBS Kavo::ipc kavo_test_plain
    LABELS unit)

# Settings store over the real registry
add_library(kavo_settings_testsupport STATIC settings/hivefixture.h settings/hivefixture_win.cpp)
target_link_libraries(kavo_settings_testsupport PUBLIC Kavo::options GTest::gtest advapi32)

kavo_add_test(settings_test
    SOURCES settings/registry_test.cpp settings/kavosettings_test.cpp settings/keytree_test.cpp
        settings/threads_test.cpp settings/settingsholder_test.cpp settings/settingkeys_test.cpp
        settings/registry_win_test.cpp settings/registry_win_order.cpp
    LIBS Kavo::settings kavo_settings_testsupport kavo_test_plain
    LABELS unit)

# Settings shared by real processes
add_executable(settings_helper settings/settingshelper.cpp)
target_link_libraries(settings_helper PRIVATE Kavo::options Kavo::settings)

kavo_add_test(settings_multiprocess_test
    SOURCES settings/processes_test.cpp
    LIBS Kavo::settings kavo_settings_testsupport kavo_test_child kavo_test_plain
    LABELS multiprocess)
add_dependencies(settings_multiprocess_test settings_helper)
# Found beside the test program.
target_compile_definitions(settings_multiprocess_test PRIVATE KAVO_SETTINGS_HELPER="settings_helper.exe")

# Named pipes
kavo_add_test(pipe_test
    SOURCES ipc/pipeprotocol_test.cpp ipc/pipe_win_test.cpp
    LIBS Kavo::ipc kavo_test_plain
    LABELS "unit;multiprocess")

# The pipe endpoint against real peer processes
add_executable(pipe_peer ipc/pipe_peer.cpp)
target_link_libraries(pipe_peer PRIVATE Kavo::options Kavo::ipc)

add_library(pipe_testsupport STATIC ipc/pipe_testsupport.h ipc/pipe_testsupport.cpp ipc/pipe_testsupport_win.cpp)
target_link_libraries(pipe_testsupport PUBLIC Kavo::options Kavo::ipc GTest::gtest kavo_test_child)
# Found beside the test program.
target_compile_definitions(pipe_testsupport PRIVATE KAVO_PIPE_PEER="pipe_peer.exe")
add_dependencies(pipe_testsupport pipe_peer)

kavo_add_test(pipeipc_test
    SOURCES ipc/pipetransport_test.cpp ipc/pipeipc_test.cpp ipc/pipe_launcher_win_test.cpp
    LIBS pipe_testsupport kavo_test_plain
    LABELS "unit;multiprocess")
# The tests end a peer with SIGKILL; any number does it on Windows.
target_compile_definitions(pipeipc_test PRIVATE SIGKILL=9)

# Window messages, between threads and with a real peer process
add_executable(kavoipc_peer ipc/kavoipc_peer.cpp)
target_link_libraries(kavoipc_peer PRIVATE Kavo::options Kavo::ipc)

kavo_add_test(kavoipc_test
    SOURCES ipc/kavoipc_win_test.cpp ipc/kavoipc_processes_test.cpp
    LIBS pipe_testsupport kavo_test_plain
    LABELS "unit;multiprocess")
add_dependencies(kavoipc_test kavoipc_peer)
target_compile_definitions(kavoipc_test PRIVATE KAVOIPC_PEER="kavoipc_peer.exe")
# Every process on one wineserver shares one window list, and a desktop of
# its own would not help: Wine 8 puts the windows of threads other than the
# main one on the default desktop, whatever desktop the process started on.
# So the programs that make windows never run beside each other.
set_tests_properties(kavoipc_test PROPERTIES RUN_SERIAL TRUE)

# Included by the native build's tests: cross-builds the Windows programs with
# MinGW-w64 into <build>/windows (the windows preset, as make windows does) and
# runs them under Wine, in a virtual display with a window manager, in one
# fresh Wine prefix. Skipped (77) where the cross
# compiler or Wine is missing. Once per make test: in the player's build only,
# not in the sanitizer's or the core's.
if(TOLVANE_SANITIZE OR CMAKE_CROSSCOMPILING OR NOT Qt6_FOUND)
    return()
endif()

find_program(TOLVANE_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(TOLVANE_MINGW_CXX)
    include(ExternalProject)
    ExternalProject_Add(windows_programs
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${CMAKE_BINARY_DIR}/windows
        CONFIGURE_COMMAND ${CMAKE_COMMAND} --preset windows -S <SOURCE_DIR> -B <BINARY_DIR>
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
    add_test(NAME win32_under_wine
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_under_wine.sh
                ${CMAKE_BINARY_DIR}/windows/tests/win32/test_win32_runtime.exe
                ${CMAKE_BINARY_DIR}/windows/tests/win32/test_win32_game.exe
                ${CMAKE_BINARY_DIR}/windows/tests/win32/test_win32_desktop.exe
                ${CMAKE_BINARY_DIR}/windows/tests/win32/test_win32_screen_reader.exe
                ${CMAKE_BINARY_DIR}/windows/tolvane.exe=${CMAKE_CURRENT_LIST_DIR}/play_by_keyboard.sh)
    # The runtimes' rules on the Win32 runtime, and a random player, in a Wine
    # prefix and display of their own so that it runs beside win32_under_wine.
    # Its random player plays in real time: mostly waiting, little CPU.
    add_test(NAME conformance_win32
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_under_wine.sh
                ${CMAKE_BINARY_DIR}/windows/tests/conformance/conformance_win32.exe)
    set_tests_properties(conformance_win32 PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600
        ENVIRONMENT TOLVANE_WINE_TIMEOUT=540)
    # At the display scales players use (125, 150 and 200 %): every window
    # measured at that scale, a whole game, and the conformance suite.
    foreach(dpi 120 144 192)
        add_test(NAME win32_at_${dpi}_dpi
            COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_under_wine.sh --dpi=${dpi}
                    ${CMAKE_BINARY_DIR}/windows/tests/win32/test_win32_runtime.exe
                    ${CMAKE_BINARY_DIR}/windows/tests/win32/test_win32_game.exe
                    ${CMAKE_BINARY_DIR}/windows/tests/conformance/conformance_win32.exe)
        set_tests_properties(win32_at_${dpi}_dpi PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300
            ENVIRONMENT "TOLVANE_WIN32_ONLY=at the display's scale;TOLVANE_PLAY_ACTIONS=0")
    endforeach()
    # The program file a Windows player copies: GUI, its imports, its icon and version block.
    add_test(NAME windows_program_file
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_windows_program.sh ${CMAKE_BINARY_DIR}/windows/tolvane.exe)
    set_tests_properties(windows_program_file PROPERTIES TIMEOUT 60 SKIP_RETURN_CODE 77)
else()
    add_test(NAME win32_under_wine COMMAND sh -c "echo 'SKIP: x86_64-w64-mingw32-g++-posix not found'; exit 77")
    add_test(NAME conformance_win32 COMMAND sh -c "echo 'SKIP: x86_64-w64-mingw32-g++-posix not found'; exit 77")
    set_tests_properties(conformance_win32 PROPERTIES SKIP_RETURN_CODE 77)
endif()
# About two minutes, beside the other tests: its timing bounds leave room for a busy
# machine's late timer ticks.
set_tests_properties(win32_under_wine PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 400)
# Everything under Wine waits on real time (make soak), on a display whose
# window manager is known to have started.
if(TOLVANE_MINGW_CXX)
    foreach(test win32_under_wine conformance_win32 win32_at_120_dpi win32_at_144_dpi win32_at_192_dpi)
        set_property(TEST ${test} APPEND PROPERTY LABELS realtime)
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT TOLVANE_WM_READY=$<TARGET_FILE:window_manager_ready>)
    endforeach()
endif()

# Included by the native build's tests: cross-builds the game's page with
# Emscripten into <build>/web (the web preset, as make web does) and plays it
# in headless Chromium through WebDriver (tests/web/*.py). Each test is skipped (77) with the reason where
# Emscripten, Chromium, chromedriver or Selenium is missing. Once per make
# test: in the player's build only, not in the sanitizer's or the core's.
if(TOLVANE_SANITIZE OR CMAKE_CROSSCOMPILING OR NOT Qt6_FOUND)
    return()
endif()

set(TOLVANE_WEB_PAGE ${CMAKE_BINARY_DIR}/web/index.html)
# Debian's Python, which has Selenium (python3-selenium).
set(TOLVANE_TEST_PYTHON /usr/bin/python3 CACHE FILEPATH "The Python that drives Chromium in the web tests")
find_program(TOLVANE_EMCMAKE emcmake)
if(TOLVANE_EMCMAKE)
    include(ExternalProject)
    # Debian's Emscripten runs on the machine's node, which finds its modules there.
    set(emscripten_env ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
    ExternalProject_Add(web_page
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${CMAKE_BINARY_DIR}/web
        CONFIGURE_COMMAND ${CMAKE_COMMAND} --preset web -S <SOURCE_DIR> -B <BINARY_DIR>
        BUILD_COMMAND ${emscripten_env} ${CMAKE_COMMAND} --build <BINARY_DIR> -j 2
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
    foreach(group page games phone)
        add_test(NAME web_${group}
            COMMAND ${TOLVANE_TEST_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/test_${group}.py ${TOLVANE_WEB_PAGE})
    endforeach()
    # The runtimes' rules (tests/conformance), the suite in its own page.
    add_test(NAME conformance_web
        COMMAND ${TOLVANE_TEST_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/test_conformance.py
                ${CMAKE_BINARY_DIR}/web/tests/conformance/web/conformance.html)
    # The suite again on a phone's screen, where the windows are drawn smaller.
    add_test(NAME conformance_web_phone
        COMMAND ${TOLVANE_TEST_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/test_conformance.py --phone
                ${CMAKE_BINARY_DIR}/web/tests/conformance/web/conformance.html)
else()
    foreach(test web_page web_games web_phone conformance_web conformance_web_phone)
        add_test(NAME ${test} COMMAND sh -c "echo 'SKIP: emcmake not found (Debian package emscripten)'; exit 77")
    endforeach()
endif()
set_tests_properties(web_page web_games web_phone conformance_web conformance_web_phone PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300
    LABELS realtime)

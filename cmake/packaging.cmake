# A Debian package of the game: make deb (or cpack -G DEB in the build
# directory) writes tolvane_1.00_<arch>.deb, which installs the program in
# /usr/games and its desktop entry, metainfo, icons, manual pages, copyright
# and changelog under /usr/share. The files of the package alone live in
# packaging/debian/. Include this after every install() rule of the project.

# The manual pages and the changelog, compressed as Debian wants them: at the
# highest level and without a time stamp, so that the same sources always
# give the same bytes. The copyright and changelog go beside them in
# share/doc/tolvane, for a ~/.local install too.
if(NOT WIN32)
    set(TOLVANE_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/packaging/debian)
    set(TOLVANE_DOCS_DIR ${PROJECT_BINARY_DIR}/packaging)
    find_program(TOLVANE_GZIP gzip REQUIRED)
    set(compressed)
    foreach(pair "tolvane.6:man/tolvane.6.gz" "tolvane.fr.6:man/fr/tolvane.6.gz"
                 "changelog:changelog.gz")
        string(REPLACE ":" ";" pair "${pair}")
        list(GET pair 0 source)
        list(GET pair 1 target)
        string(REGEX REPLACE "\\.gz$" "" plain ${TOLVANE_DOCS_DIR}/${target})
        add_custom_command(OUTPUT ${TOLVANE_DOCS_DIR}/${target}
            COMMAND ${CMAKE_COMMAND} -E copy ${TOLVANE_DEBIAN_DIR}/${source} ${plain}
            COMMAND ${TOLVANE_GZIP} -9 -n -f ${plain}
            DEPENDS ${TOLVANE_DEBIAN_DIR}/${source}
            VERBATIM)
        list(APPEND compressed ${TOLVANE_DOCS_DIR}/${target})
    endforeach()
    add_custom_target(tolvane_docs ALL DEPENDS ${compressed})

    install(FILES ${TOLVANE_DOCS_DIR}/man/tolvane.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    install(FILES ${TOLVANE_DOCS_DIR}/man/fr/tolvane.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man6)
    install(FILES ${TOLVANE_DEBIAN_DIR}/copyright ${TOLVANE_DOCS_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VERSION ${TOLVANE_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR KORVATH)
set(CPACK_PACKAGE_CONTACT "KORVATH <tolvane@korvath.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${TOLVANE_PRODUCT_NAME}, a French parody quiz show")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "A parody of a television quiz show, in French: five silly
questions, a verdict after each answer and a mocking closing screen.
No score, nothing saved.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories the install creates are rwxr-xr-x whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The package puts the program in /usr/games (see the script).
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/debian/games-dir.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links, as dpkg-shlibdeps finds them in the
# binary (libc, libstdc++, Qt...), and beside them what the program loads
# or reads at run time without linking it: Qt's platform plugins (X11 and
# Wayland), its French texts, and the faces that stand in for the game's
# Windows fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-wayland, qt6-translations-l10n, fonts-liberation2, fonts-lobster")

include(CPack)

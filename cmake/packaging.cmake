# A Debian package of the game: cmake --build build --target package
# (or cpack in the build directory) writes tolvane_1.00_<arch>.deb, which
# installs the program, its desktop entry, metainfo and icons under /usr.
# Include this after every install() rule of the project.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_VENDOR KORVATH)
set(CPACK_PACKAGE_CONTACT "KORVATH <tolvane@korvath.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "LE TOLVANE VIRAIL, a French parody quiz show")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "A parody of a television quiz show, in French: five silly
questions, a verdict after each answer and a mocking closing screen.
No score, nothing saved.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Qt at run time, its platform plugins and French texts, and the faces that
# stand in for the game's Windows fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6, libqt6gui6, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, fonts-lobster")

include(CPack)

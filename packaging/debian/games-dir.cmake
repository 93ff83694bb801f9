# Run by CPack on the staged files, just before it writes the package.
#
# `cmake --install` puts the program in <prefix>/bin, which is on the user's
# PATH for a ~/.local install. Debian keeps games in /usr/games instead, so
# the package moves the program there; the desktop entry starts it by name
# and /usr/games is on every Debian user's PATH.

set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${staged}/bin/tolvane")
    message(FATAL_ERROR "games-dir: the staged program ${staged}/bin/tolvane is missing")
endif()
file(MAKE_DIRECTORY "${staged}/games")
file(RENAME "${staged}/bin/tolvane" "${staged}/games/tolvane")
# An empty /usr/bin would be shipped as an empty directory of the package.
file(GLOB left "${staged}/bin/*")
if(NOT left)
    file(REMOVE_RECURSE "${staged}/bin")
endif()

# The program's version and its id on the desktop, defined here once and
# written where each is needed: the Windows version block, the Qt program,
# the desktop entry, the AppStream metainfo and the Debian package. Every
# text a player sees stays as it is.
set(TOLVANE_APP_ID fr.korvath.tolvane)
set(TOLVANE_PRODUCT_NAME "LE TOLVANE VIRAIL")
set(TOLVANE_RELEASE_DATE 2026-12-08)
# "1.00": the major version, then the minor one in two digits.
if(PROJECT_VERSION_MINOR LESS 10)
    set(TOLVANE_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(TOLVANE_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
set(TOLVANE_VERSION_NUMBERS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
set(TOLVANE_VERSION_DOTTED "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")

set(TOLVANE_APP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/src/resources/app)
set(TOLVANE_IDENTITY_DIR ${PROJECT_BINARY_DIR}/identity)
configure_file(${TOLVANE_APP_SOURCE_DIR}/app_identity.h.in ${TOLVANE_IDENTITY_DIR}/app_identity.h @ONLY)
configure_file(${TOLVANE_APP_SOURCE_DIR}/tolvane.rc.in ${TOLVANE_IDENTITY_DIR}/tolvane.rc @ONLY)
configure_file(${TOLVANE_APP_SOURCE_DIR}/tolvane.manifest.in ${TOLVANE_IDENTITY_DIR}/tolvane.manifest @ONLY)
configure_file(${TOLVANE_APP_SOURCE_DIR}/tolvane.desktop.in ${TOLVANE_IDENTITY_DIR}/${TOLVANE_APP_ID}.desktop @ONLY)
configure_file(${TOLVANE_APP_SOURCE_DIR}/tolvane.metainfo.xml.in ${TOLVANE_IDENTITY_DIR}/${TOLVANE_APP_ID}.metainfo.xml
    @ONLY)

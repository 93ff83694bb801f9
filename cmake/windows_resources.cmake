# The program file's Windows resources (src/resources/app/tolvane.rc.in, made
# into tolvane.rc by cmake/identity.cmake): its
# icon, version block and manifest. The resource compiler reads the icon images that
# the script names, which CMake does not see by itself: a new image from
# `make icons` must rebuild every program that carries them.
set(TOLVANE_WINDOWS_RC ${TOLVANE_IDENTITY_DIR}/tolvane.rc)
file(GLOB TOLVANE_WINDOWS_ICON_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/resources/app/rc/*)
list(APPEND TOLVANE_WINDOWS_ICON_FILES ${TOLVANE_IDENTITY_DIR}/tolvane.manifest)

function(tolvane_add_windows_resources target)
    target_sources(${target} PRIVATE ${TOLVANE_WINDOWS_RC})
    set_source_files_properties(${TOLVANE_WINDOWS_RC} TARGET_DIRECTORY ${target}
        PROPERTIES OBJECT_DEPENDS "${TOLVANE_WINDOWS_ICON_FILES}")
endfunction()

# Runs at install time (from Install.cmake): fills the installed directories
# and the version into the manual pages, compresses them and the changelog
# with gzip -9n as Debian wants them (no name or time stamp, so the same input
# gives the same bytes) and installs them.

set(CORVANE_APPDIR_FULL "${CMAKE_INSTALL_PREFIX}/${CORVANE_INSTALL_APPDIR}")
set(CORVANE_DATADIR_FULL "${CMAKE_INSTALL_PREFIX}/${CORVANE_INSTALL_DATADIR}")

function(corvane_install_gzipped source configure destination)
  get_filename_component(name "${source}" NAME)
  set(plain "${CORVANE_STAGING_DIR}/${name}")
  if(configure)
    configure_file("${source}" "${plain}" @ONLY)
  else()
    configure_file("${source}" "${plain}" COPYONLY)
  endif()
  execute_process(COMMAND "${CORVANE_GZIP}" -9 -n -c "${plain}"
                  OUTPUT_FILE "${plain}.gz" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "Could not compress ${plain}")
  endif()
  file(INSTALL "${plain}.gz" DESTINATION "${CMAKE_INSTALL_PREFIX}/${destination}")
endfunction()

foreach(page corvane-viewer.1 corvane-cli.1)
  corvane_install_gzipped("${CORVANE_PACKAGING_DIR}/man/${page}" ON share/man/man1)
endforeach()
corvane_install_gzipped("${CORVANE_PACKAGING_DIR}/changelog" OFF "${CORVANE_INSTALL_DOCDIR}")

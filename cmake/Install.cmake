# Install rules: `cmake --install build [--prefix P]`.
#
# The programs look for their installation data (Locales.dat, Catalogs.dat,
# the catalog folders and LanguageFiles/) in their own directory, so the
# executables and that data go together into one private directory, and
# <prefix>/bin only holds symbolic links to them. Qt's application directory
# resolves such a link (/proc/self/exe) to the real executable. Tests and
# benchmarks are not installed.

set(CORVANE_INSTALL_APPDIR "lib/corvane-viewer" CACHE STRING
    "Directory below the prefix for the programs and their installation data")
set(CORVANE_INSTALL_DATADIR "share/corvane-viewer" CACHE STRING
    "Directory below the prefix for the demo project")
set(CORVANE_INSTALL_BINDIR "bin")
set(CORVANE_INSTALL_DOCDIR "share/doc/corvane-viewer")

set(CORVANE_PACKAGING_DIR "${CMAKE_SOURCE_DIR}/packaging")
set(CORVANE_PACKAGING_BUILD_DIR "${CMAKE_BINARY_DIR}/packaging")

# ---- programs and installation data -----------------------------------------
set(corvane_programs corvane-viewer)
if(TARGET corvane-cli)
  list(APPEND corvane_programs corvane-cli)
endif()
install(TARGETS ${corvane_programs} RUNTIME DESTINATION "${CORVANE_INSTALL_APPDIR}")
install(DIRECTORY "${CMAKE_SOURCE_DIR}/data/installation/" DESTINATION "${CORVANE_INSTALL_APPDIR}")
install(DIRECTORY "${CORVANE_BIN_DIR}/LanguageFiles" DESTINATION "${CORVANE_INSTALL_APPDIR}"
        FILES_MATCHING PATTERN "*.qm")

# Relative links keep the installed tree relocatable (DESTDIR, another prefix,
# an unpacked package).
file(RELATIVE_PATH corvane_bin_to_app "/${CORVANE_INSTALL_BINDIR}" "/${CORVANE_INSTALL_APPDIR}")
foreach(program ${corvane_programs})
  file(MAKE_DIRECTORY "${CORVANE_PACKAGING_BUILD_DIR}/bin")
  file(CREATE_LINK "${corvane_bin_to_app}/${program}" "${CORVANE_PACKAGING_BUILD_DIR}/bin/${program}"
       SYMBOLIC)
  install(FILES "${CORVANE_PACKAGING_BUILD_DIR}/bin/${program}" DESTINATION "${CORVANE_INSTALL_BINDIR}")
endforeach()

install(DIRECTORY "${CMAKE_SOURCE_DIR}/examples/demo-project" DESTINATION "${CORVANE_INSTALL_DATADIR}")

# ---- desktop integration ----------------------------------------------------
install(FILES "${CORVANE_PACKAGING_DIR}/corvane-viewer.desktop" DESTINATION share/applications)
install(FILES "${CORVANE_PACKAGING_DIR}/org.corvane.Viewer.metainfo.xml" DESTINATION share/metainfo)
install(DIRECTORY "${CORVANE_PACKAGING_DIR}/icons/hicolor" DESTINATION share/icons)
install(FILES "${CORVANE_PACKAGING_DIR}/icons/corvane-viewer.svg"
        DESTINATION share/icons/hicolor/scalable/apps)

# ---- manual pages and the package's changelog --------------------------------
# Configured and compressed at install time: the pages name the installed
# directories, and only then is the final prefix known (a package build
# installs to /usr below a staging DESTDIR).
find_program(CORVANE_GZIP gzip REQUIRED)
install(CODE "
  set(CORVANE_GZIP \"${CORVANE_GZIP}\")
  set(CORVANE_PACKAGING_DIR \"${CORVANE_PACKAGING_DIR}\")
  set(CORVANE_STAGING_DIR \"${CORVANE_PACKAGING_BUILD_DIR}/staging\")
  set(CORVANE_INSTALL_APPDIR \"${CORVANE_INSTALL_APPDIR}\")
  set(CORVANE_INSTALL_DATADIR \"${CORVANE_INSTALL_DATADIR}\")
  set(CORVANE_INSTALL_DOCDIR \"${CORVANE_INSTALL_DOCDIR}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  include(\"${CMAKE_CURRENT_LIST_DIR}/InstallCompressedDocs.cmake\")
")
install(FILES "${CORVANE_PACKAGING_DIR}/copyright" DESTINATION "${CORVANE_INSTALL_DOCDIR}")
install(FILES "${CORVANE_PACKAGING_DIR}/lintian-overrides" DESTINATION share/lintian/overrides
        RENAME corvane-viewer)

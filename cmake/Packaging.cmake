# Debian package through CPack: `scripts/package.sh`, or `cpack` in the build
# directory after a build. Installs what cmake/Install.cmake installs, below /usr.

set(CORVANE_PACKAGE_MAINTAINER "Corvane Viewer maintainers <maintainers@corvane.example>" CACHE STRING
    "Maintainer field of the Debian package")
set(CORVANE_PACKAGE_HOMEPAGE "https://corvane.example/viewer/" CACHE STRING
    "Homepage field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane-viewer)
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories the install rules create implicitly get the usual 0755.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for sewer and pipe CCTV inspection projects")
# CPack turns blank lines into the " ." paragraph separators of the control file.
set(CPACK_PACKAGE_DESCRIPTION
"Corvane Viewer opens the project directories that a sewer or pipe CCTV
inspection system writes in the field and shows them read-only: the
project, its sections and their observations as a tree, the fields of the
selected item, the observation's photos and the inspection video at the
recorded time index.

It writes PDF inspection reports with project information, contents,
section overview, damage class legend and, per section, the protocol,
the inclination chart and the photos. The command-line tool corvane-cli
writes the same reports and exports a project as JSON without a display.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CORVANE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CORVANE_PACKAGE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link come from dpkg-shlibdeps; what they load at
# run time is listed by hand: the GStreamer plugins that decode the videos
# (bad and ugly hold the MPEG-PS/TS and ASF demuxers) and the report's font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly, gstreamer1.0-libav, fonts-liberation2")
# Without it Qt runs through XWayland on a Wayland desktop, which works too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)

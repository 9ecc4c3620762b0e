# The Debian package: `cpack -G DEB` in the build directory packs what
# `cmake --install` installs, under /usr.
set(CPACK_PACKAGE_NAME "${TAVO_PROGRAM_FOLDER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "TAVO")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Storage and bandwidth planner for video-surveillance installations")
set(CPACK_PACKAGE_DESCRIPTION
    "Describes the cameras and recorder channels of a site as channel groups, recommends a per-channel bitrate, \
totals the storage bitrate and the network bandwidth, tells how many days a disk keeps or how much disk a \
retention needs, and exports the plan as a PDF report.")
set(TAVO_PACKAGE_CONTACT "TAVO packaging <packaging@tavo.invalid>" CACHE STRING
    "Maintainer named in the Debian package")
set(CPACK_PACKAGE_CONTACT "${TAVO_PACKAGE_CONTACT}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The Qt libraries the program and the skin link, from the ELF files when
# dpkg-shlibdeps can tell; Debian 12's names otherwise.
find_program(TAVO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TAVO_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(_tavo_linked_libraries)
else()
    set(_tavo_linked_libraries
        "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), \
libqt6network6 (>= 6.4), libqt6xml6 (>= 6.4), libqt6core5compat6 (>= 6.4), ")
endif()
# What Qt loads at run time and no ELF file names: the platform plugins (xcb,
# Wayland), the SVG image and icon plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_tavo_linked_libraries}libqt6svg6 (>= 6.4), qt6-qpa-plugins (>= 6.4)")
# The look and the Chinese texts want these fonts (any other font still works);
# the download page and the licences open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, fonts-dejavu-core, xdg-utils")

include(CPack)

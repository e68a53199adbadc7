# The Debian package: `cpack -G DEB` in a build folder packs what
# `cmake --install` lays down (cmake/Install.cmake) under /usr, stripped.
# `make dist-linux` runs it (scripts/dist-linux).

# The changelog's first entry names the release; it must be this version.
# The maintainer is the project's address (packaging/maintainer, read by
# cmake/Install.cmake), the same that signs the changelog.
file(STRINGS "${PROJECT_SOURCE_DIR}/packaging/changelog.in" changelog LIMIT_COUNT 1)
if(NOT changelog MATCHES "^brindlecog \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog.in begins with \"${changelog}\", but the project's version is "
                      "${PROJECT_VERSION}: add an entry for this version at its top")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brindlecog)
set(CPACK_PACKAGE_VENDOR "The Brindlecog developers")
# Installs into the package's tree through DESTDIR, so that the install sees
# the real prefix (the font links are made relative to it).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "factory arcade game: assemble products on a running line")
# CPack puts the summary above this as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Work shifts on a factory floor: click piles to send your worker for parts
and tools, click the products riding the assembly line to fit them in the
order of their recipes, and keep the chief happy when he rates your shift.
Twenty-five levels, from the first burgers to the busiest shift.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BRINDLECOG_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from what the program links (dpkg-shlibdeps); the font
# files of the game folder are links to the system's DejaVu fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)

# CPack: a Debian package "velmora" (cpack -G DEB in the build directory).
# Build with CMAKE_INSTALL_PREFIX=/usr; scripts/package-test.sh shows how.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora developers")
set(CPACK_PACKAGE_CONTACT "Velmora developers <dev@velmora.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "multimedia encyclopedia of nature protection in Poland")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_PACKAGE_NAME velmora)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Velmora shows the content of an encyclopedia of nature protection in Poland,
first published on CD-ROM: pages, records of nature reserves, landscape parks
and protected areas, photographs, maps, films, slide shows, sounds and small
animations, with a dictionary and a full-text search, in an embedded browser
engine. All of its texts are Polish.
.
This package holds the viewer velmora, the headless tools velmora-cli for
content authors (table reader, search, event replay, disc check, per-user
installation of a disc) and a demo disc, which the viewer shows by default.")

# Libraries from dpkg-shlibdeps; what is loaded at run time instead of linked
# is named here: the browser engine's helper process, the platform plugins and
# the GStreamer plugins that play the films and sounds (-bad decodes the IMA
# ADPCM sound of older AVI films; libarchive13, which dpkg-shlibdeps finds
# too, reads disc images for velmora-cli install).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6webenginecore6-bin, qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-libav, libarchive13")
# qt6-translations-l10n: Qt's own dialogs (print, print preview, files) in Polish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland, qt6-translations-l10n")
# xmessage: the demo disc's start-up and closing programs show their note with it.
# wine: runs a disc's Windows programs (start.exe, fin.exe, the animations).
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "x11-utils, wine")

# The changelog's newest entry must name the version being packaged.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog VELMORA_CHANGELOG_HEAD
  LIMIT_COUNT 1)
set(VELMORA_DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
if(NOT VELMORA_CHANGELOG_HEAD MATCHES "^velmora \\(${VELMORA_DEB_VERSION}\\) ")
  message(WARNING "packaging/debian/changelog does not start with version ${VELMORA_DEB_VERSION}")
endif()
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  message(STATUS "Debian package: install prefix is ${CMAKE_INSTALL_PREFIX}, Debian wants /usr")
endif()

include(CPack)

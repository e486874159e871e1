# Install layout: the programs, the demo disc as the default content, and the
# desktop integration (entry, icons, AppStream data, manual pages).
include(GNUInstallDirs)

set(VELMORA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
# Relative to the installation prefix; the desktop entry needs it absolute,
# which is known only at install time (CPack installs under its own prefix).
set(VELMORA_DISC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/velmora/disc)
set(VELMORA_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmora)

if(TARGET velmora)
  install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The demo disc. Its programs (start.exe, fin.exe and the animations) are
# run directly, so they are executable; everything else is plain data,
# whatever the checkout's umask made of it.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/sample-content/
  DESTINATION ${VELMORA_DISC_INSTALL_DIR}
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
  PATTERN tools EXCLUDE
  PATTERN README.md EXCLUDE
  PATTERN .gitattributes EXCLUDE
  REGEX "/[^/]+\\.[eE][xX][eE]$"
    PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
      GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The entry starts the viewer in the demo disc's directory: with no settings
# the viewer takes its current directory as the disc.
set(VELMORA_DESKTOP_TEMPLATE ${VELMORA_PACKAGING_DIR}/org.kestrava.velmora.desktop.in)
set(VELMORA_DESKTOP_FILE ${PROJECT_BINARY_DIR}/packaging/org.kestrava.velmora.desktop)
install(CODE "
  set(VELMORA_DISC_DIR \"${VELMORA_DISC_INSTALL_DIR}\")
  if(NOT IS_ABSOLUTE \"\${VELMORA_DISC_DIR}\")
    set(VELMORA_DISC_DIR \"\${CMAKE_INSTALL_PREFIX}/\${VELMORA_DISC_DIR}\")
  endif()
  configure_file(\"${VELMORA_DESKTOP_TEMPLATE}\" \"${VELMORA_DESKTOP_FILE}\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
       TYPE FILE PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
       FILES \"${VELMORA_DESKTOP_FILE}\")
")

install(FILES ${VELMORA_PACKAGING_DIR}/org.kestrava.velmora.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${VELMORA_PACKAGING_DIR}/icons/velmora.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${VELMORA_PACKAGING_DIR}/icons/velmora-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME velmora.png)
endforeach()

# Manual pages and the Debian changelog, compressed as Debian wants them
# (gzip -9n: no name or time stamp, so the bytes are reproducible).
set(VELMORA_GZIPPED)
function(velmora_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${source} -DOUTPUT=${output}
            -P ${PROJECT_SOURCE_DIR}/cmake/Gzip.cmake
    DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/Gzip.cmake
    VERBATIM)
  set(VELMORA_GZIPPED ${VELMORA_GZIPPED} ${output} PARENT_SCOPE)
endfunction()

set(VELMORA_GZ_DIR ${PROJECT_BINARY_DIR}/packaging)
# Ninja makes an output's folder itself; the Makefile generators do not.
file(MAKE_DIRECTORY ${VELMORA_GZ_DIR})
velmora_gzip(${VELMORA_PACKAGING_DIR}/man/velmora.1 ${VELMORA_GZ_DIR}/velmora.1.gz)
velmora_gzip(${VELMORA_PACKAGING_DIR}/man/velmora-cli.1 ${VELMORA_GZ_DIR}/velmora-cli.1.gz)
velmora_gzip(${VELMORA_PACKAGING_DIR}/debian/changelog ${VELMORA_GZ_DIR}/changelog.Debian.gz)
add_custom_target(velmora_packaging_files ALL DEPENDS ${VELMORA_GZIPPED})

install(FILES ${VELMORA_GZ_DIR}/velmora.1.gz ${VELMORA_GZ_DIR}/velmora-cli.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES
  ${VELMORA_PACKAGING_DIR}/debian/copyright
  ${VELMORA_GZ_DIR}/changelog.Debian.gz
  ${PROJECT_SOURCE_DIR}/docs/cli.md
  DESTINATION ${VELMORA_DOC_INSTALL_DIR})
install(FILES ${VELMORA_PACKAGING_DIR}/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME velmora)

# Manual pages, shell completion, the package's documents, and the Debian
# package that cpack -G DEB builds from the installed tree.

include(GNUInstallDirs)

# Directories a Debian package must have as rwxr-xr-x, whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

find_program(GZIP_PROGRAM gzip REQUIRED)

# Fills in the version of SOURCE.in, gzips it reproducibly (-n: no name or
# time in the header) at maximum compression, and installs it as
# DESTINATION/NAME.gz.
function(km62rx_install_gzipped source name destination)
  set(filled ${CMAKE_BINARY_DIR}/gz/${name})
  configure_file(${source} ${filled} @ONLY)
  add_custom_command(
    OUTPUT ${filled}.gz
    COMMAND ${GZIP_PROGRAM} -n -9 -c ${filled} > ${filled}.gz
    DEPENDS ${filled}
    VERBATIM)
  string(MAKE_C_IDENTIFIER ${name} target)
  add_custom_target(gz_${target} ALL DEPENDS ${filled}.gz)
  install(FILES ${filled}.gz DESTINATION ${destination})
endfunction()

set(KM62RX_MAN_PAGES km62rx.1 km62rx-sim.1)
if(KM62RX_GUI)
  list(APPEND KM62RX_MAN_PAGES km62rx-settings.1)
endif()
foreach(page IN LISTS KM62RX_MAN_PAGES)
  km62rx_install_gzipped(${PROJECT_SOURCE_DIR}/docs/man/${page}.in ${page}
                         ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/res/bash-completion/km62rx
              ${PROJECT_SOURCE_DIR}/res/bash-completion/km62rx-sim
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

set(KM62RX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/km62rx)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${KM62RX_DOC_DIR})
# The version has no Debian revision (the package is native), so its
# changelog is changelog.gz.
km62rx_install_gzipped(${PROJECT_SOURCE_DIR}/packaging/changelog.in changelog ${KM62RX_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME km62rx)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The KM-62RX Settings Tool developers <km62rx@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings tool for the KM-62RX serial data logger")
set(CPACK_PACKAGE_DESCRIPTION
    "Configures a KM-62RX serial data logger over a serial port: receives,\n"
    "edits and sends its logging settings, saves and loads the settings file\n"
    "the logger reads from its SD card (SETTING.CFG), and sets its clock.\n"
    "\n"
    "The package holds the desktop program km62rx-settings, the command-line\n"
    "tool km62rx for scripts, and km62rx-sim, a logger simulator on a\n"
    "pseudo-terminal for trying both without hardware.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries; these are loaded at run time without
# being linked: the platform plugins, a Japanese font for the window's texts,
# and Qt's own translations of its standard buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk, qt6-translations-l10n")
# ser2net shares a logger's serial port over the network, for socket:// ports.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ser2net")
include(CPack)

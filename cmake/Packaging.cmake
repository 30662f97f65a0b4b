# On Windows: the setup (cpack -G NSIS) and the portable zip (cpack -G ZIP),
# each holding the window km62rx-settings.exe and the command line km62rx.exe.
# On Linux: manual pages, shell completion, the packages' documents, and the
# two Debian packages that cpack -G DEB builds from the installed tree.

if(WIN32)
  # Both programs side by side at the top of the folder: the Program Files
  # folder, or the zip's one folder, holds the two programs and nothing else
  # (the setup adds its uninstaller). They link their runtime statically, so
  # no DLL goes with them.
  install(TARGETS km62rx RUNTIME DESTINATION .)
  if(TARGET km62rx-settings)
    install(TARGETS km62rx-settings RUNTIME DESTINATION .)
  endif()

  set(CPACK_GENERATOR NSIS ZIP)
  set(CPACK_PACKAGE_NAME km62rx)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_SYSTEM_NAME win64)
  # km62rx-VERSION-win64.zip; the setup's name ends in -setup (cmake/CPackWindows.cmake).
  set(CPACK_PACKAGE_FILE_NAME km62rx-${PROJECT_VERSION}-win64)
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackWindows.cmake)
  set(CPACK_STRIP_FILES ON)
  # The setup: our own template (cmake/NSIS.template.in), found through the
  # module path; the folder under Program Files, the name of the Start-menu
  # shortcut and of the entry in Settings > Apps, and the fixed registry key
  # under which every version registers its uninstaller.
  list(APPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY "KM-62RX Settings Tool")
  set(CPACK_NSIS_DISPLAY_NAME "KM-62RX Settings Tool")
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY km62rx-settings)
  set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/km62rx-settings.ico)
  include(CPack)
  return()
endif()

include(GNUInstallDirs)

# Directories a Debian package must have as rwxr-xr-x, whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

find_program(GZIP_PROGRAM gzip REQUIRED)

# Fills in the version of SOURCE.in, gzips it reproducibly (-n: no name or
# time in the header) at maximum compression, and installs it as
# DESTINATION/NAME.gz (NAME's last part) in the install COMPONENT.
function(km62rx_install_gzipped source name destination component)
  set(filled ${CMAKE_BINARY_DIR}/gz/${name})
  configure_file(${source} ${filled} @ONLY)
  add_custom_command(
    OUTPUT ${filled}.gz
    COMMAND ${GZIP_PROGRAM} -n -9 -c ${filled} > ${filled}.gz
    DEPENDS ${filled}
    VERBATIM)
  string(MAKE_C_IDENTIFIER ${name} target)
  add_custom_target(gz_${target} ALL DEPENDS ${filled}.gz)
  install(FILES ${filled}.gz DESTINATION ${destination} COMPONENT ${component})
endfunction()

# Two packages from one build: km62rx holds the command line and the
# simulator and needs no GUI library, so that it installs on a headless
# machine; km62rx-settings holds the window and depends on it.
foreach(page km62rx.1 km62rx-sim.1)
  km62rx_install_gzipped(${PROJECT_SOURCE_DIR}/docs/man/${page}.in ${page}
                         ${CMAKE_INSTALL_MANDIR}/man1 cli)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/res/bash-completion/km62rx
              ${PROJECT_SOURCE_DIR}/res/bash-completion/km62rx-sim
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions COMPONENT cli)

# Each package has its own copyright file and changelog. The version has no
# Debian revision (the packages are native), so the changelog is
# changelog.gz.
foreach(package km62rx km62rx-settings)
  if(package STREQUAL km62rx)
    set(component cli)
  elseif(KM62RX_GUI)
    set(component settings)
  else()
    continue()
  endif()
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
  km62rx_install_gzipped(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${package}/changelog
                         ${CMAKE_INSTALL_DATADIR}/doc/${package} ${component})
endforeach()
if(KM62RX_GUI)
  km62rx_install_gzipped(${PROJECT_SOURCE_DIR}/docs/man/km62rx-settings.1.in km62rx-settings.1
                         ${CMAKE_INSTALL_MANDIR}/man1 settings)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli)
if(KM62RX_GUI)
  list(APPEND CPACK_COMPONENTS_ALL settings)
endif()
set(CPACK_PACKAGE_NAME km62rx)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The KM-62RX Settings Tool developers <km62rx@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_CLI_PACKAGE_NAME km62rx)
set(CPACK_COMPONENT_CLI_DESCRIPTION
    "command line for the KM-62RX serial data logger\n"
    "Configures a KM-62RX serial data logger over a serial port or a network\n"
    "port shared by ser2net: receives, checks and sends its logging settings,\n"
    "compares them with a settings file (SETTING.CFG), backs them up and sets\n"
    "the logger's clock, for several loggers at once, with JSON output for\n"
    "scripts.\n"
    "\n"
    "The package holds the command-line tool km62rx and km62rx-sim, a logger\n"
    "simulator on a pseudo-terminal for trying it without hardware. It needs\n"
    "no graphical libraries; the desktop program is in km62rx-settings.")
string(REPLACE ";" "" CPACK_COMPONENT_CLI_DESCRIPTION "${CPACK_COMPONENT_CLI_DESCRIPTION}")
# Sourcing the completion script needs bash-completion's functions.
set(CPACK_DEBIAN_CLI_PACKAGE_RECOMMENDS "bash-completion")
# ser2net shares a logger's serial port over the network, for socket:// ports.
set(CPACK_DEBIAN_CLI_PACKAGE_SUGGESTS "ser2net")

set(CPACK_DEBIAN_SETTINGS_PACKAGE_NAME km62rx-settings)
set(CPACK_COMPONENT_SETTINGS_DESCRIPTION
    "desktop settings tool for the KM-62RX serial data logger\n"
    "Configures a KM-62RX serial data logger over a serial port: receives,\n"
    "edits and sends its logging settings on thirteen pages, saves and loads\n"
    "the settings file the logger reads from its SD card (SETTING.CFG), and\n"
    "sets its clock.\n"
    "\n"
    "The package holds the desktop program km62rx-settings; the command-line\n"
    "tool and the simulator are in km62rx.")
string(REPLACE ";" "" CPACK_COMPONENT_SETTINGS_DESCRIPTION
       "${CPACK_COMPONENT_SETTINGS_DESCRIPTION}")
# The libraries come from the binary; these are loaded at run time without
# being linked: the platform plugins, a Japanese font for the window's texts,
# and Qt's own translations of its standard buttons and dialogs. Up to 1.1.0
# the window was in the km62rx package.
set(CPACK_DEBIAN_SETTINGS_PACKAGE_DEPENDS
    "km62rx (= ${PROJECT_VERSION}), qt6-qpa-plugins, fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_SETTINGS_PACKAGE_REPLACES "km62rx (<< 1.2.0)")
set(CPACK_DEBIAN_SETTINGS_PACKAGE_BREAKS "km62rx (<< 1.2.0)")
set(CPACK_DEBIAN_SETTINGS_PACKAGE_SECTION electronics)
include(CPack)

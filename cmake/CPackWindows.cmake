# Read by cpack once for each generator of the Windows build: the setup is
# km62rx-VERSION-win64-setup.exe, the zip km62rx-VERSION-win64.zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()

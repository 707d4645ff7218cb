# The Debian package veltrane_<version>_<arch>.deb, made by `cpack -G DEB`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Veltrane developers")
set(CPACK_PACKAGE_CONTACT "${VELTRANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Qimen Dunjia hour charts in a window and on the command line")
# One string: a semicolon would split a CMake list.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Veltrane plots Qimen Dunjia hour charts. From a date and hour it works\n"
  "out the four pillars, the solar term in force, yuan, dun and ju, and lays\n"
  "out the nine palaces with stems, stars, gates and deities.\n"
  "\n"
  "The chart window lets every box be changed by hand and copies the chart\n"
  "as a text table. veltrane-chart prints the same chart as text or JSON\n"
  "without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELTRANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELTRANE_HOMEPAGE_URL}")
# Library dependencies are read from the programs by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET veltrane)
  # The window's captions are Chinese and need a CJK font.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-wqy-microhei)
endif()
# veltrane-chart --tz reads the system's compiled zone files.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS tzdata)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

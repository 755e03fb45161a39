# Read by cpack for each generator: Debian packages install into /usr, which the build's
# prefix must then be (it decides the library folder and that the tool needs no run path).
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
  message(FATAL_ERROR "Debian packages install into /usr, but this build installs into "
    "${CPACK_PACKAGING_INSTALL_PREFIX}: configure it with -DCMAKE_INSTALL_PREFIX=/usr")
endif()

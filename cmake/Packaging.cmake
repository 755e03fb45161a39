# What the install adds to the files of the build (the man page compressed, the bash
# completion that the tool prints), and the Debian packages that `cpack -G DEB` makes from
# the install components:
#
#   library      libtarintranslator1      the shared library
#   development  libtarintranslator-dev   the headers, the CMake package, the pkg-config file
#   tool         tarin-translator         the tool, its man page, its bash completion
#   python       python3-tarintranslator  the Python module, where the build makes one
#
# The packages install into the prefix of the build, which must then be /usr:
#   cmake -S . -B build -DCMAKE_INSTALL_PREFIX=/usr && cmake --build build -j2
#   (cd build && cpack -G DEB)      # build/packages/*.deb

# ---- the man page and the bash completion ----------------------------------------------

find_program(TARIN_GZIP gzip)
if(TARIN_GZIP)
  set(TARIN_MAN_PAGE_BUILT ${PROJECT_BINARY_DIR}/man/tarin-translator.1.gz)
  add_custom_command(OUTPUT ${TARIN_MAN_PAGE_BUILT}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/tools/tarin-translator.1
      ${PROJECT_BINARY_DIR}/man/tarin-translator.1
    COMMAND ${TARIN_GZIP} -9nf ${PROJECT_BINARY_DIR}/man/tarin-translator.1
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/tarin-translator.1 VERBATIM)
else()
  set(TARIN_MAN_PAGE_BUILT ${PROJECT_SOURCE_DIR}/tools/tarin-translator.1)
endif()

# bash-completion's folder below the prefix: where its pkg-config file puts it below its
# own prefix, else share/bash-completion/completions.
set(TARIN_BASH_COMPLETION_DEFAULT ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions)
if(PKG_CONFIG_FOUND)
  pkg_get_variable(TARIN_BC_DIR bash-completion completionsdir)
  pkg_get_variable(TARIN_BC_PREFIX bash-completion prefix)
  string(LENGTH "${TARIN_BC_PREFIX}/" TARIN_BC_PREFIX_LENGTH)
  string(FIND "${TARIN_BC_DIR}" "${TARIN_BC_PREFIX}/" TARIN_BC_AT)
  if(TARIN_BC_PREFIX AND TARIN_BC_AT EQUAL 0)
    string(SUBSTRING "${TARIN_BC_DIR}" ${TARIN_BC_PREFIX_LENGTH} -1 TARIN_BASH_COMPLETION_DEFAULT)
  endif()
endif()
set(TARIN_BASH_COMPLETION_DIR ${TARIN_BASH_COMPLETION_DEFAULT} CACHE PATH
  "Where the bash completion of the tool is installed (relative: below the prefix)")

set(TARIN_COMPLETION_BUILT ${PROJECT_BINARY_DIR}/completion/tarin-translator)
add_custom_command(OUTPUT ${TARIN_COMPLETION_BUILT}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/completion
  COMMAND sh -c "\"$0\" --completion bash >\"$1.new\" && mv \"$1.new\" \"$1\""
    $<TARGET_FILE:tarin-translator> ${TARIN_COMPLETION_BUILT}
  DEPENDS tarin-translator VERBATIM)
add_custom_target(tarin_install_files ALL DEPENDS ${TARIN_MAN_PAGE_BUILT} ${TARIN_COMPLETION_BUILT})

install(FILES ${TARIN_MAN_PAGE_BUILT} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tool)
install(FILES ${TARIN_COMPLETION_BUILT} DESTINATION ${TARIN_BASH_COMPLETION_DIR} COMPONENT tool)

# ---- the Debian packages ---------------------------------------------------------------

set(TARIN_PACKAGE_MAINTAINER "TarinTranslator maintainers <maintainers@tarin-translator.invalid>"
  CACHE STRING "The maintainer of the Debian packages: NAME <ADDRESS>")
set(TARIN_PACKAGE_COPYRIGHT "the TarinTranslator maintainers" CACHE STRING
  "The copyright holders named in the packages' copyright file")
set(TARIN_DEB_RELEASE 1 CACHE STRING "The Debian revision of the packages")
set(TARIN_DEB_VERSION ${PROJECT_VERSION}-${TARIN_DEB_RELEASE})
# The time of the configuration, or SOURCE_DATE_EPOCH's.
string(TIMESTAMP TARIN_DEB_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)

set(TARIN_DEB_DIR ${PROJECT_BINARY_DIR}/debian)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in ${TARIN_DEB_DIR}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${TARIN_DEB_DIR}/changelog.Debian
  @ONLY)
execute_process(COMMAND gzip -9nc ${TARIN_DEB_DIR}/changelog.Debian
  OUTPUT_FILE ${TARIN_DEB_DIR}/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)

# The copyright file and the changelog of a package, in its documentation folder; only
# in packages (and installs of one component), not in a whole install.
function(tarin_package_documents component package)
  install(FILES ${TARIN_DEB_DIR}/copyright ${TARIN_DEB_DIR}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component}
    EXCLUDE_FROM_ALL)
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package} PARENT_SCOPE)
endfunction()

tarin_package_documents(library libtarintranslator1)
tarin_package_documents(development libtarintranslator-dev)
tarin_package_documents(tool tarin-translator)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarin-translator)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/debian/CPackChecks.cmake)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TARIN_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TARIN_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SOURCE tarin-translator)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies on other packages' libraries from dpkg-shlibdeps; on the library of this
# build, which no installed package describes yet, from the components' dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")

# The descriptions' lines stay within 79 characters, as Debian asks.
set(TARIN_DEB_ABOUT
  "TarinTranslator writes the mission plan of a Tarin two-way radio, an XML
document holding the radio's platform configuration and its two waveform
images. It reads such plans back, checks every section against its limits,
unpacks them into the image files and a platform file, reads, changes and
compares their settings, and gives default configurations.
")
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBRARY_DESCRIPTION "mission plans of Tarin two-way radios (library)
${TARIN_DEB_ABOUT}
This package holds the shared library.")
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/debian/triggers)

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS library)
# The CMake package and the pkg-config file name pugixml and nettle.
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "libpugixml-dev, nettle-dev")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "mission plans of Tarin two-way radios (development files)
${TARIN_DEB_ABOUT}
This package holds the C++ headers, the CMake package
(find_package(TarinTranslator)) and the pkg-config file (tarin-translator).")

set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION utils)
set(CPACK_COMPONENT_TOOL_DEPENDS library)
set(CPACK_DEBIAN_TOOL_DESCRIPTION "mission plans of Tarin two-way radios (command-line tool)
${TARIN_DEB_ABOUT}
This package holds the command-line tool tarin-translator, its manual page
and its bash completion.")

# The Python module is an install component of its own ("python") where the build makes
# one; its package is settled once every install rule is known.
function(tarin_finish_packaging)
  get_cmake_property(components COMPONENTS)
  if("python" IN_LIST components)
    tarin_package_documents(python python3-tarintranslator)
    set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
    set(CPACK_COMPONENT_PYTHON_DEPENDS library)
    # The interpreter the module is built for: the one the build found, else Debian's.
    set(python /usr/bin/python3)
    foreach(found Python3_EXECUTABLE PYTHON_EXECUTABLE Python_EXECUTABLE)
      if(${found})
        set(python ${${found}})
        break()
      endif()
    endforeach()
    execute_process(COMMAND ${python} -c "import sys; print(*sys.version_info[:2])"
      OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(version UNIX_COMMAND "${version}")
    list(GET version 0 major)
    list(GET version 1 minor)
    math(EXPR next "${minor} + 1")
    set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
      "python3 (>= ${major}.${minor}), python3 (<< ${major}.${next})")
    set(CPACK_DEBIAN_PYTHON_DESCRIPTION "mission plans of Tarin two-way radios (Python 3 module)
${TARIN_DEB_ABOUT}
This package holds the Python 3 module tarin_translator.")
  endif()
  list(REMOVE_ITEM components Unspecified)
  set(CPACK_COMPONENTS_ALL ${components})
  include(CPack)
endfunction()
cmake_language(DEFER CALL tarin_finish_packaging)

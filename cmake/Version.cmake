# SPDX-License-Identifier: GPL-3.0-or-later
# The version of what is built, for the three programs and the package.
#
# The build writes it (cmake/WriteVersion.cmake) before anything compiles, at
# every build and not only at configure time: a new commit changes the version
# without a new configure step. A program's source reads it as
#   #include "TirvexVersion.h"    // defines TIRVEX_VERSION, a string literal
# after linking tirvex_version; only the sources that include it recompile
# when it changes.
find_package(Git QUIET)
set(TIRVEX_VERSION_DIR ${CMAKE_BINARY_DIR}/version)
set(TIRVEX_MAINTAINER "Quorvane <tirvex@quorvane.invalid>")
add_custom_target(tirvex_version_files ALL
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DOUT_DIR=${TIRVEX_VERSION_DIR}
        -DBASE_VERSION=${PROJECT_VERSION} -DGIT=${GIT_EXECUTABLE}
        "-DMAINTAINER=${TIRVEX_MAINTAINER}" -P ${PROJECT_SOURCE_DIR}/cmake/WriteVersion.cmake
    BYPRODUCTS ${TIRVEX_VERSION_DIR}/TirvexVersion.h ${TIRVEX_VERSION_DIR}/version.cmake
        ${TIRVEX_VERSION_DIR}/changelog.Debian.gz
    COMMENT "Version of the build"
    VERBATIM)
add_library(tirvex_version INTERFACE)
target_include_directories(tirvex_version INTERFACE ${TIRVEX_VERSION_DIR})
add_dependencies(tirvex_version tirvex_version_files)

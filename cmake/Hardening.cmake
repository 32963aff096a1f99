# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening flags of Debian's dpkg-buildflags (with hardening=+all, as
# Debian 12 gives them on amd64): stack protector, fortified libc calls,
# format checks, a read-only relocation table resolved at start (relro,
# BIND_NOW), position-independent executables. They go into every build
# type, the package's included, and the tests run on the same code; only the
# sanitizer build leaves them out (its runtime replaces the checks), and
# _FORTIFY_SOURCE, which needs the optimizer, stays out of Debug.
option(TIRVEX_HARDENING "Build with the hardening flags of Debian's dpkg-buildflags" ON)
if(TIRVEX_HARDENING AND NOT TIRVEX_SANITIZE)
    include(CheckPIESupported)
    check_pie_supported(LANGUAGES CXX)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

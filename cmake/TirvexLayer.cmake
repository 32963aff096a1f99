# SPDX-License-Identifier: GPL-3.0-or-later
# tirvex_layer(<library> [FLAT])
#
# Lets <library>'s headers be seen by the library itself and by whatever links
# it, directly or through other libraries, and by nothing else: a header of a
# layer above is not on the include path, so an upward include fails to
# compile instead of passing until the link or never failing at all.
#
# The headers stay included by their folder, as "history/DrawMerge.h": the
# library's include root is a folder of its own in the build tree that holds
# one symbolic link, named after the source folder, to that folder.
# With FLAT, for the libraries of tools/ and benchmarks/ whose headers are
# included by their bare names, the source folder itself is the root.
function(tirvex_layer library)
    cmake_parse_arguments(ARG "FLAT" "" "" ${ARGN})
    if(ARG_FLAT)
        target_include_directories(${library} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
        return()
    endif()
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${CMAKE_BINARY_DIR}/layers/${library})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${library} PUBLIC ${root})
endfunction()

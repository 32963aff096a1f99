# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE_DIR=DIR -DOUT_DIR=DIR -DBASE_VERSION=X.Y.Z -DMAINTAINER=TEXT
#       [-DGIT=PATH] -P WriteVersion.cmake
#
# Runs at every build: finds what is being built and writes into OUT_DIR
#   TirvexVersion.h      #define TIRVEX_VERSION "..." for the programs
#   version.cmake        the same version for CPack
#   changelog.Debian.gz  the package's changelog entry for that version
# Each file is written only when its content changes, so a build of the same
# commit recompiles nothing.
#
# The version is the package version, so that what a program prints is what
# dpkg shows:
#   a checkout at the tag vX.Y.Z             X.Y.Z
#   N commits after that tag, at hash H      X.Y.Z+gitN.H
#   a checkout with changes not committed    ... with ".dirty" appended
#   a checkout with no tag yet               BASE_VERSION~gitN.H (N counts every
#                                            commit; "~" sorts before the tag's X.Y.Z)
#   no git at all (a source tarball)         BASE_VERSION
# Every new commit raises N, so a package of a newer commit upgrades an older one.

function(write_if_changed path content)
    if(EXISTS "${path}")
        file(READ "${path}" old)
        if(old STREQUAL content)
            set(written FALSE PARENT_SCOPE)
            return()
        endif()
    endif()
    file(WRITE "${path}" "${content}")
    set(written TRUE PARENT_SCOPE)
endfunction()

function(git out)
    execute_process(COMMAND "${GIT}" -C "${SOURCE_DIR}" ${ARGN}
        RESULT_VARIABLE failed OUTPUT_VARIABLE text ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(failed)
        set(text "")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(version "${BASE_VERSION}")
set(describe "")
set(date_format "%a, %d %b %Y %H:%M:%S +0000")
string(TIMESTAMP date "${date_format}" UTC)
if(GIT AND EXISTS "${SOURCE_DIR}/.git")
    git(head rev-parse --short=7 HEAD)
endif()
if(head)
    git(describe describe --tags --long --match "v[0-9]*" --abbrev=7)
    git(status status --porcelain --untracked-files=no)
    set(dirty "")
    if(status)
        set(dirty ".dirty")
    endif()
    if(describe MATCHES "^v([0-9][0-9A-Za-z.]*)-([0-9]+)-g([0-9a-f]+)")
        set(tagged "${CMAKE_MATCH_1}")
        set(count "${CMAKE_MATCH_2}")
        if(count EQUAL 0 AND NOT dirty)
            set(version "${tagged}")
        else()
            set(version "${tagged}+git${count}.${head}${dirty}")
        endif()
    else()
        git(count rev-list --count HEAD)
        set(version "${BASE_VERSION}~git${count}.${head}${dirty}")
        set(describe "commit ${head}, no tag, ${count} commits")
    endif()
    # The commit's own date keeps the changelog the same for the same commit.
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C TZ=UTC
        "${GIT}" -C "${SOURCE_DIR}" log -1 --date=format-local:${date_format} --format=%cd
        OUTPUT_VARIABLE commit_date ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(commit_date)
        set(date "${commit_date}")
    endif()
endif()

file(MAKE_DIRECTORY "${OUT_DIR}")
write_if_changed("${OUT_DIR}/TirvexVersion.h"
    "#pragma once\n// Written by the build (cmake/WriteVersion.cmake): what was built.\n#define TIRVEX_VERSION \"${version}\"\n")
write_if_changed("${OUT_DIR}/version.cmake" "set(TIRVEX_VERSION \"${version}\")\n")

if(describe)
    set(origin "Built from git: ${describe}")
    if(dirty)
        string(APPEND origin ".\n  * With changes not committed")
    endif()
else()
    set(origin "Built from a source tree without git")
endif()
set(changelog "tirvex (${version}-1) unstable; urgency=medium

  * ${origin}.

 -- ${MAINTAINER}  ${date}
")
set(changelog_path "${OUT_DIR}/changelog.Debian")
write_if_changed("${changelog_path}" "${changelog}")
if(written OR NOT EXISTS "${changelog_path}.gz")
    # -n leaves name and time out of the header: the same text gives the same bytes.
    execute_process(COMMAND gzip -9nkf "${changelog_path}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip failed on ${changelog_path}")
    endif()
endif()

# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DPROGRAM=EXE -DTEMPLATE=FILE.1.in -DOUTPUT=FILE.1.gz -P HelpToMan.cmake
#
# Writes a manual page from its hand-written template, with the program's own
# --help text in place of @HELP@, so that the page lists the options and
# commands the program really takes. The page is compressed as Debian wants
# it (gzip -9, no name or time in the header).
execute_process(COMMAND "${PROGRAM}" --help
    RESULT_VARIABLE failed OUTPUT_VARIABLE help ERROR_VARIABLE error)
if(failed)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${error}")
endif()
get_filename_component(name "${PROGRAM}" NAME)
# Qt's usage line names the program by the path it was started with.
string(REPLACE "${PROGRAM}" "${name}" help "${help}")
string(REGEX REPLACE "\n+$" "" help "${help}")
# Text for roff: a backslash is written \e, a minus sign \-, and a line that
# starts with a dot or an apostrophe would be read as a request.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
file(READ "${TEMPLATE}" page)
string(REPLACE "@HELP@" "${help}" page "${page}")
get_filename_component(dir "${OUTPUT}" DIRECTORY)
string(REGEX REPLACE "\\.gz$" "" plain "${OUTPUT}")
file(WRITE "${plain}" "${page}")
execute_process(COMMAND gzip -9nf "${plain}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip failed on ${plain}")
endif()

# Writes the help2man include file of velmora-cli: a SYNOPSIS with every subcommand's usage line and a
# section SUBCOMMANDS holding each subcommand's own --help, so that `man velmora-cli` tells every option
# and not only the overview. The subcommands are taken
# from the overview itself, so a new one joins without a change here.
#   cmake -DCLI=path/to/velmora-cli -DOUT=file -P SubcommandManSections.cmake

# A script run with -P sets no policies of its own: quoted texts compared below stay texts.
cmake_policy(VERSION 3.25)

set(ENV{QT_QPA_PLATFORM} offscreen)

function(help_of arguments result)
    execute_process(COMMAND ${CLI} ${arguments} OUTPUT_VARIABLE text RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "velmora-cli ${arguments} failed")
    endif()
    # Roff reads a backslash as an escape and a line opening with a dot or quote as a request.
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

help_of(--help overview)
string(REGEX MATCHALL "\n  [a-z]+ " names "${overview}")

set(synopsis "[SYNOPSIS]\n.B velmora\\-cli\n\\fISUBCOMMAND\\fR [\\fIoptions\\fR]\n.br\n")
# Left-adjusted: justifying would widen the blanks of entries such as "5  X  7", which count.
set(page "[SUBCOMMANDS]\n.ad l\n")
foreach(name ${names})
    string(STRIP "${name}" name)
    if(name STREQUAL "help")
        continue()
    endif()
    help_of("${name};--help" help)
    if(NOT help MATCHES "^Usage: velmora-cli ${name} *([^\n]*)")
        message(FATAL_ERROR "velmora-cli ${name} --help does not start with its usage line")
    endif()
    # \& keeps help2man from reading a line that opens with "[options]" as a section of its own.
    string(APPEND synopsis ".B velmora\\-cli ${name}\n\\&${CMAKE_MATCH_1}\n.br\n")
    # The usage line and the description are filled as paragraphs; the option tables keep their columns.
    string(FIND "${help}" "\nOptions:\n" options)
    string(SUBSTRING "${help}" 0 ${options} description)
    string(SUBSTRING "${help}" ${options} -1 table)
    string(REPLACE "\n\n" "\n.PP\n" description "${description}")
    string(REGEX REPLACE "^([^\n]*)\n" "\\1\n.br\n" description "${description}")
    string(APPEND page ".SS ${name}\n${description}\n.nf\n${table}.fi\n")
endforeach()
string(APPEND page ".ad b\n")
string(APPEND synopsis ".B velmora\\-cli\n\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n")
file(WRITE ${OUT} "${synopsis}${page}")

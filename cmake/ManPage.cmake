# Writes skerrydesk-cli's man page: the template with the version and the part SUBCOMMANDS, made
# from the CLI's own --help (the subcommand names) and each subcommand's --help (its usage line
# and what it does), so that every subcommand of the table is in the page.
# Run with -DCLI=... -DTEMPLATE=... -DOUTPUT=... -DVERSION=... -P ManPage.cmake.

function(roff_escape text result)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    # A line of text must not begin with a control character.
    string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

function(run_cli result)
    execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE output RESULT_VARIABLE exit_code)
    if(NOT exit_code EQUAL 0)
        message(FATAL_ERROR "${CLI} ${ARGN} ended with ${exit_code}")
    endif()
    set(${result} "${output}" PARENT_SCOPE)
endfunction()

run_cli(help --help)
string(REGEX MATCH "Subcommands:\n(.*)" listed "${help}")
string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "${listed}")
if(NOT names)
    message(FATAL_ERROR "${CLI} --help lists no subcommands")
endif()

set(subcommands "")
foreach(name IN LISTS names)
    string(STRIP "${name}" name)
    run_cli(own_help ${name} --help)
    if(NOT own_help MATCHES "^usage: skerrydesk-cli ([^\n]*)\n\n(.*)\n$")
        message(FATAL_ERROR "${CLI} ${name} --help gives no usage line and summary:\n${own_help}")
    endif()
    roff_escape("${CMAKE_MATCH_1}" usage)
    roff_escape("${CMAKE_MATCH_2}" summary)
    string(APPEND subcommands ".TP\n.B ${usage}\n${summary}\n")
endforeach()
string(STRIP "${subcommands}" SUBCOMMANDS)

set(PROJECT_VERSION "${VERSION}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)

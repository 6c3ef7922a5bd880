# Runs a command with SOURCE_DATE_EPOCH set from the file the build keeps it in, for tools that take
# their date from it (help2man's manual page date).
#   cmake -DEPOCH_FILE=file -P WithSourceDate.cmake -- COMMAND ARGS...

file(READ ${EPOCH_FILE} epoch)
set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
set(command)
set(in_command FALSE)
foreach(i RANGE 1 ${CMAKE_ARGC})
    if(in_command AND i LESS CMAKE_ARGC)
        list(APPEND command "${CMAKE_ARGV${i}}")
    elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
        set(in_command TRUE)
    endif()
endforeach()
execute_process(COMMAND ${command} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${command} failed: ${status}")
endif()

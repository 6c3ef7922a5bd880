# The moment a build of this source stands for, in seconds since 1970: SOURCE_DATE_EPOCH when the builder
# sets it, otherwise the date of the last commit. The manual pages' date, the changelog's date and every
# file date in the package come from it, so two builds of one commit give the same bytes.
#   cmake -DSOURCE_DIR=dir -DOUT=file -P SourceDateEpoch.cmake   writes it into OUT when it changed
# and, included, velmora_source_date_epoch(dir result) gives it.

function(velmora_source_date_epoch source_dir result)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(${result} "$ENV{SOURCE_DATE_EPOCH}" PARENT_SCOPE)
        return()
    endif()
    find_program(GIT git)
    if(GIT)
        execute_process(COMMAND ${GIT} log -1 --format=%ct WORKING_DIRECTORY ${source_dir}
                        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status
                        ERROR_QUIET)
    endif()
    # A source tree outside git (an unpacked archive) stands for the date of its top build file.
    if(NOT GIT OR NOT status EQUAL 0 OR NOT epoch MATCHES "^[0-9]+$")
        file(TIMESTAMP ${source_dir}/CMakeLists.txt epoch "%s" UTC)
    endif()
    set(${result} "${epoch}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    velmora_source_date_epoch(${SOURCE_DIR} epoch)
    set(old "")
    if(EXISTS ${OUT})
        file(READ ${OUT} old)
    endif()
    # Rewritten only when it changed, so that what is made from it is not made again on every build.
    if(NOT old STREQUAL epoch)
        file(WRITE ${OUT} "${epoch}")
    endif()
endif()

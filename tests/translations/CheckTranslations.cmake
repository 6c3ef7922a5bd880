# Fails when a text the programs show has no finished Traditional Chinese translation, or when the
# translation file keeps texts the programs no longer show. lupdate reads the sources into a copy of the
# translation file, so the file itself is never changed by a test.
#   cmake -DLUPDATE=... -DSOURCES=<src folder> -DTS=<translations/velmora_zh_TW.ts> -DWORK=<folder> -P ...
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(ts_name "${TS}" NAME)
set(copy "${WORK}/${ts_name}")
file(COPY_FILE "${TS}" "${copy}")
execute_process(COMMAND "${LUPDATE}" -silent -locations none "${SOURCES}" -ts "${copy}"
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(failed)
    message(FATAL_ERROR "lupdate failed:\n${out}")
endif()
file(READ "${copy}" text)
foreach(state unfinished vanished obsolete)
    string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]+comment>[^<]*</[a-z]+comment>[^<]*)*<translation type=\"${state}\""
           found "${text}")
    foreach(entry IN LISTS found)
        string(REGEX REPLACE "[ \n]*<translation.*" "" entry "${entry}")
        list(APPEND problems "${state}: ${entry}")
    endforeach()
endforeach()
if(problems)
    list(JOIN problems "\n" report)
    message(FATAL_ERROR "${ts_name} is not complete; translate these in it (lupdate src -ts ${ts_name}):\n${report}")
endif()
message(STATUS "${ts_name}: every text is translated")

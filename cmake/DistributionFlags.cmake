# The distribution's hardening for release and package builds: the compiler and linker flags
# dpkg-buildflags gives with every hardening feature on (fortified functions, stack protector, read-only
# relocations with immediate binding), plus stack clash and control-flow protection where that dpkg does
# not yet name them. Optimisation and debug information stay the build type's. dpkg's file prefix map
# names the folder it was asked from; in its place the build folder is mapped to ".", so that the folder
# a build is made in leaves no trace in its programs (their build IDs are taken over the debug
# information too) and two builds of one commit give the same package.
# Not for a debug build (fortified functions need optimisation) nor a sanitizer build (the sanitizers
# bring their own checks and do not combine with fortified functions).

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(STATUS "dpkg-buildflags not found: building without the distribution's hardening flags")
    return()
endif()

function(velmora_dpkg_flags kind result)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*)$")
    set(${result} ${flags} PARENT_SCOPE)
endfunction()

velmora_dpkg_flags(CPPFLAGS cpp_flags)
velmora_dpkg_flags(CXXFLAGS cxx_flags)
velmora_dpkg_flags(LDFLAGS ld_flags)

include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
    if(NOT flag IN_LIST cxx_flags)
        string(MAKE_C_IDENTIFIER "VELMORA_HAS${flag}" supported)
        check_cxx_compiler_flag(${flag} ${supported})
        if(${supported})
            list(APPEND cxx_flags ${flag})
        endif()
    endif()
endforeach()

list(APPEND cxx_flags -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

set(optimised_build $<NOT:$<CONFIG:Debug>>)
foreach(flag IN LISTS cpp_flags cxx_flags)
    add_compile_options($<${optimised_build}:${flag}>)
endforeach()
foreach(flag IN LISTS ld_flags)
    add_link_options($<${optimised_build}:${flag}>)
endforeach()
message(STATUS "Distribution flags for optimised builds: ${cpp_flags} ${cxx_flags} ${ld_flags}")

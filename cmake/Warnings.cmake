# Compiler warnings for every target of the project.
#
#   torvane_warnings(<target> [NO_WERROR])
#
# turns on the project's warning set for <target>. With the option TORVANE_WERROR (./check sets
# it) the warnings of <target> become errors, unless the target is marked NO_WERROR: that mark
# is for code that still has known warnings, and is removed from a target once it builds clean.

option(TORVANE_WERROR "Treat warnings as errors in every target not marked NO_WERROR" OFF)

set(TORVANE_WARNING_FLAGS -Wall -Wextra -Wshadow -Wconversion)

function(torvane_warnings target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "NO_WERROR" "" "")
    target_compile_options(${target} PRIVATE ${TORVANE_WARNING_FLAGS})
    if(TORVANE_WERROR AND NOT arg_NO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

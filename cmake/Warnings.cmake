# Compiler warnings for every target of the project.
#
#   torvane_warnings(<target>)
#
# turns on the project's warning set for <target>. With the option TORVANE_WERROR (./check sets
# it for its sanitizer build) the warnings become errors.

option(TORVANE_WERROR "Treat warnings as errors" OFF)

set(TORVANE_WARNING_FLAGS -Wall -Wextra -Wshadow -Wconversion)

function(torvane_warnings target)
    target_compile_options(${target} PRIVATE ${TORVANE_WARNING_FLAGS})
    if(TORVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

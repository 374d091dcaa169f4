# The option TORVANE_SANITIZE builds every target of the project with AddressSanitizer and
# UndefinedBehaviorSanitizer; any undefined behaviour aborts the program. ./check uses it for a
# second build in build-asan. Included before any target is defined, so that all of them get it.

option(TORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
    # The instrumentation makes GCC 12 see out-of-bounds reads and overlapping copies on paths
    # the code rules out (Qt's qFromLittleEndian on an empty QByteArray; std::string assigned
    # from a short literal, GCC bug 105651); the normal build still shows these warnings.
    add_compile_options(-Wno-error=array-bounds -Wno-error=restrict)
endif()

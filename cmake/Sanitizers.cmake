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

# The option TORVANE_TSAN builds every target with ThreadSanitizer instead: tools/tsan.sh uses it
# in build-tsan for the tests whose code runs threads (the socket's connection, the engine's
# search).
option(TORVANE_TSAN "Build with ThreadSanitizer" OFF)

if(TORVANE_TSAN)
    if(TORVANE_SANITIZE)
        message(FATAL_ERROR "TORVANE_TSAN and TORVANE_SANITIZE do not go together in one build")
    endif()
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

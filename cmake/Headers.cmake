# The headers a library shows to what links it.
#
#   torvane_headers(<target> <folder>...)
#
# makes each <folder> of the repository (e.g. `rules`, `app/audio`) visible to <target> and to
# what links it PUBLIC, under its own name: the include folder of <target> is a folder of the
# build tree that holds only a link <folder> -> <repository>/<folder>. So
# `#include "rules/Cell.h"` compiles only where torvane_rules is linked, directly or through a
# PUBLIC link, and never because the whole repository is on the include path.

get_filename_component(TORVANE_REPOSITORY ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)

function(torvane_headers target)
    set(dir ${CMAKE_BINARY_DIR}/include/${target})
    foreach(folder IN LISTS ARGN)
        cmake_path(GET folder PARENT_PATH parent)
        file(MAKE_DIRECTORY ${dir}/${parent})
        file(CREATE_LINK ${TORVANE_REPOSITORY}/${folder} ${dir}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(${target} PUBLIC ${dir})
endfunction()

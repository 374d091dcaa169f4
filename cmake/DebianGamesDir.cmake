# Run by CPack before it packs: moves the programs from usr/bin to usr/games in the folder the
# package is made from.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*usr/bin/*")
foreach(program IN LISTS programs)
    get_filename_component(bin "${program}" DIRECTORY)
    get_filename_component(name "${program}" NAME)
    file(MAKE_DIRECTORY "${bin}/../games")
    file(RENAME "${program}" "${bin}/../games/${name}")
    list(APPEND emptied "${bin}")
endforeach()
if(emptied)
    list(REMOVE_DUPLICATES emptied)
    file(REMOVE_RECURSE ${emptied})
endif()

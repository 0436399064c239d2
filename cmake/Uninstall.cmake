# Removes what `cmake --install` put in place, as listed in the build's
# install_manifest.txt (links included), then the game's own folders.
#   cmake -DMANIFEST=build/install_manifest.txt -P cmake/Uninstall.cmake

if(NOT MANIFEST OR NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "Nothing to uninstall: no install manifest at '${MANIFEST}' (run make install first).")
endif()

file(STRINGS "${MANIFEST}" installed)
set(own_dirs)
foreach(path IN LISTS installed)
    if(EXISTS "${path}" OR IS_SYMLINK "${path}")
        message(STATUS "Removing: ${path}")
        file(REMOVE "${path}")
    endif()
    # Folders named after the game are the game's own; the others are shared.
    string(REGEX MATCH "^.*/tarnwik/" own "${path}")
    if(own)
        list(APPEND own_dirs "${own}")
    endif()
endforeach()
list(REMOVE_DUPLICATES own_dirs)
foreach(dir IN LISTS own_dirs)
    file(GLOB_RECURSE left LIST_DIRECTORIES false "${dir}*")
    if(NOT left)
        file(REMOVE_RECURSE "${dir}")
    endif()
endforeach()
file(REMOVE "${MANIFEST}")

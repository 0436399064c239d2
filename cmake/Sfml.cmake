# Finds SFML, 3 first and then 2.5 or a later 2.x, and gives the project one
# target for it, tarnwik_sfml, whichever was found: the two generations name
# their components and targets differently. What differs in the code is in
# sfml/sfml_compat.h, which comes with the target.

find_package(SFML 3 QUIET COMPONENTS Graphics Window System)
if(SFML_FOUND)
    set(sfml_targets SFML::Graphics SFML::Window SFML::System)
else()
    find_package(SFML 2.5 REQUIRED COMPONENTS graphics window system)
    set(sfml_targets sfml-graphics sfml-window sfml-system)
endif()
message(STATUS "SFML ${SFML_VERSION}")

add_library(tarnwik_sfml INTERFACE)
target_link_libraries(tarnwik_sfml INTERFACE ${sfml_targets})
target_include_directories(tarnwik_sfml INTERFACE ${PROJECT_SOURCE_DIR}/sfml)

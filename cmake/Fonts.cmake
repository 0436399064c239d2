# Finds the two system fonts the game loads and places them where the game
# looks for them at run time: Fonts/ beside the binary in the build tree. A
# cross build takes them from this machine too (NO_CMAKE_FIND_ROOT_PATH).

set(_font_dirs /usr/share/fonts /usr/local/share/fonts)

find_file(TARNWIK_HUD_FONT LiberationSans-Regular.ttf
    PATHS ${_font_dirs} PATH_SUFFIXES truetype/liberation2 truetype/liberation
    NO_CMAKE_FIND_ROOT_PATH
    DOC "Font file for the score and walls lines (installed as Fonts/arial.ttf)")
find_file(TARNWIK_BANNER_FONT DotGothic16-Regular.ttf
    PATHS ${_font_dirs} PATH_SUFFIXES truetype/dotgothic16
    NO_CMAKE_FIND_ROOT_PATH
    DOC "Font file for the win banner (installed as Fonts/arcade.ttf)")

if(NOT TARNWIK_HUD_FONT)
    message(FATAL_ERROR "LiberationSans-Regular.ttf not found: install the Debian package "
        "fonts-liberation2, or point TARNWIK_HUD_FONT at another .ttf file.")
endif()
if(NOT TARNWIK_BANNER_FONT)
    message(FATAL_ERROR "DotGothic16-Regular.ttf not found: install the Debian package "
        "fonts-dotgothic16, or point TARNWIK_BANNER_FONT at another .ttf file.")
endif()

# The fonts' copyright and licence texts, which go wherever a copy of a font goes.
set(TARNWIK_HUD_FONT_LICENSE /usr/share/doc/fonts-liberation2/copyright
    CACHE FILEPATH "Licence of TARNWIK_HUD_FONT")
set(TARNWIK_BANNER_FONT_LICENSE /usr/share/doc/fonts-dotgothic16/copyright
    CACHE FILEPATH "Licence of TARNWIK_BANNER_FONT")

set(TARNWIK_FONT_DIR ${CMAKE_BINARY_DIR}/Fonts)
configure_file(${TARNWIK_HUD_FONT} ${TARNWIK_FONT_DIR}/arial.ttf COPYONLY)
configure_file(${TARNWIK_BANNER_FONT} ${TARNWIK_FONT_DIR}/arcade.ttf COPYONLY)

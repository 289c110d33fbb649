# The game's wave files, read from the one list the game itself holds
# (game/sound_files.h): QUORBALS_SOUND_FILES.
file(STRINGS ${PROJECT_SOURCE_DIR}/game/sound_files.h quorbals_sound_lines REGEX "^ *\"[a-z]+\\.wav\",$")
set(QUORBALS_SOUND_FILES)
foreach(line ${quorbals_sound_lines})
    string(REGEX REPLACE "^ *\"([a-z]+\\.wav)\",$" "\\1" name "${line}")
    list(APPEND QUORBALS_SOUND_FILES ${name})
endforeach()
list(LENGTH QUORBALS_SOUND_FILES quorbals_sound_count)
if(NOT quorbals_sound_count EQUAL 5)
    message(FATAL_ERROR "game/sound_files.h: expected five wave files, found ${QUORBALS_SOUND_FILES}")
endif()

# Writes the corner ornaments' pixels as C++ so that the Windows build draws
# the very pictures the Qt build loads, with no resource file to keep apart.
#   cmake -DCONVERT=<ImageMagick convert> -DSOURCE_DIR=<assets/ornaments>
#         -DOUTPUT=<file.cpp> -P embed_ornaments.cmake
set(text "// Made by assets/win32/embed_ornaments.cmake from assets/ornaments/.\n")
string(APPEND text "#include \"assets/win32/corner_ornaments.h\"\n\nnamespace quorbals {\n\n")
string(APPEND text "const unsigned char kCornerOrnamentRgba[4][kOrnamentSize * kOrnamentSize * 4] = {\n")
foreach(corner tl bl tr br)
    set(raw "${OUTPUT}.${corner}.rgba")
    execute_process(
        COMMAND "${CONVERT}" "${SOURCE_DIR}/corner-${corner}.png" -depth 8 "rgba:${raw}"
        RESULT_VARIABLE failed)
    file(SIZE "${raw}" size)
    if(failed OR NOT size EQUAL 900)
        message(FATAL_ERROR "corner-${corner}.png: not 15 by 15 pixels (${size} bytes)")
    endif()
    file(READ "${raw}" hex HEX)
    file(REMOVE "${raw}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND text "    {  // corner-${corner}.png\n")
    # One pixel row (60 bytes of 5 characters) per line.
    foreach(row RANGE 0 14)
        math(EXPR start "${row} * 300")
        string(SUBSTRING "${bytes}" ${start} 300 line)
        string(APPEND text "        ${line}\n")
    endforeach()
    string(APPEND text "    },\n")
endforeach()
string(APPEND text "};\n\n}  // namespace quorbals\n")
file(WRITE "${OUTPUT}" "${text}")

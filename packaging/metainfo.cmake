# Writes the AppStream metadata from its template: cmake -D TEMPLATE= -D OUTPUT= -D APP_ID=
# -D VERSION= -D RELEASE_DATE= -D SCREENSHOT_URL= -D DOCS= -P metainfo.cmake
include("${CMAKE_CURRENT_LIST_DIR}/screenshots.cmake")

# A software centre fetches screenshots from the web, so they are listed only where docs/ has an
# address; without one the metadata is complete but shows none.
set(SCREENSHOTS "")
if(SCREENSHOT_URL)
    string(REGEX REPLACE "/+$" "" base "${SCREENSHOT_URL}")
    set(SCREENSHOTS "  <screenshots>\n")
    set(kind " type=\"default\"")
    foreach(entry ${TOATOA_SCREENSHOTS})
        string(REPLACE "|" ";" fields "${entry}")
        list(GET fields 0 picture)
        list(GET fields 1 caption)
        list(GET fields 2 caption_it)
        if(NOT EXISTS "${DOCS}/${picture}")
            message(FATAL_ERROR "The screenshot ${picture} is not in ${DOCS}")
        endif()
        # The width and height stand in the PNG header, bytes 16 to 23, big-endian.
        file(READ "${DOCS}/${picture}" header LIMIT 24 HEX)
        string(SUBSTRING "${header}" 32 8 width_hex)
        string(SUBSTRING "${header}" 40 8 height_hex)
        math(EXPR width "0x${width_hex}")
        math(EXPR height "0x${height_hex}")
        string(APPEND SCREENSHOTS
            "    <screenshot${kind}>\n"
            "      <caption>${caption}</caption>\n"
            "      <caption xml:lang=\"it\">${caption_it}</caption>\n"
            "      <image type=\"source\" width=\"${width}\" height=\"${height}\">${base}/${picture}</image>\n"
            "    </screenshot>\n")
        set(kind "")
    endforeach()
    string(APPEND SCREENSHOTS "  </screenshots>\n")
endif()

configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)

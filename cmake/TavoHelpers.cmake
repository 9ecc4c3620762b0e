# Folder of these helpers and the scripts they run.
set(TAVO_HELPERS_DIR "${CMAKE_CURRENT_LIST_DIR}")

# Copies files (paths relative to SRC_DIR) into DEST_DIR at build time and makes
# TARGET depend on the copies.
function(tavo_copy_files TARGET SRC_DIR DEST_DIR)
    set(outputs)
    foreach(rel IN LISTS ARGN)
        set(out "${DEST_DIR}/${rel}")
        add_custom_command(OUTPUT "${out}"
            COMMAND ${CMAKE_COMMAND} -E copy_if_different "${SRC_DIR}/${rel}" "${out}"
            DEPENDS "${SRC_DIR}/${rel}"
            VERBATIM)
        list(APPEND outputs "${out}")
    endforeach()
    target_sources(${TARGET} PRIVATE ${outputs})
endfunction()

# Renders SVG sources (paths relative to SRC_DIR) to PNG files of the same
# relative name under DEST_DIR: "name.png" at the SVG's size and "name@2x.png"
# at twice that size, which Qt picks on high-density screens.
function(tavo_render_svgs TARGET SRC_DIR DEST_DIR)
    set(outputs)
    foreach(rel IN LISTS ARGN)
        string(REGEX REPLACE "\\.svg$" "" base "${rel}")
        set(out "${DEST_DIR}/${base}.png")
        set(out2x "${DEST_DIR}/${base}@2x.png")
        add_custom_command(OUTPUT "${out}" "${out2x}"
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${TAVO_SANITIZER_ENV}
                    $<TARGET_FILE:tavo_svg2png> "${SRC_DIR}/${rel}" "${out}"
            DEPENDS "${SRC_DIR}/${rel}" tavo_svg2png
            VERBATIM)
        list(APPEND outputs "${out}" "${out2x}")
    endforeach()
    set(${TARGET}_RENDERED ${outputs} PARENT_SCOPE)
    target_sources(${TARGET} PRIVATE ${outputs})
endfunction()

# Renders SVG sources to one PNG each, at SCALE times the SVG's size (pictures
# that are scaled on screen anyway need no high-density twin).
function(tavo_render_svgs_scaled TARGET SRC_DIR DEST_DIR SCALE)
    set(outputs)
    foreach(rel IN LISTS ARGN)
        string(REGEX REPLACE "\\.svg$" ".png" relpng "${rel}")
        set(out "${DEST_DIR}/${relpng}")
        add_custom_command(OUTPUT "${out}"
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${TAVO_SANITIZER_ENV}
                    $<TARGET_FILE:tavo_svg2png> "${SRC_DIR}/${rel}" "${out}" ${SCALE}
            DEPENDS "${SRC_DIR}/${rel}" tavo_svg2png
            VERBATIM)
        list(APPEND outputs "${out}")
    endforeach()
    target_sources(${TARGET} PRIVATE ${outputs})
endfunction()

# Renders one square SVG to PNG icons of the given pixel sizes, written as
# DEST_DIR/<size>x<size>/<NAME>.png (the icon theme's layout). The SVG is first
# given each size as its own, so the tool draws it at scale 1 straight from the
# vector source.
function(tavo_render_icon_sizes TARGET SVG DEST_DIR NAME)
    set(outputs)
    foreach(size IN LISTS ARGN)
        set(sized "${CMAKE_CURRENT_BINARY_DIR}/${NAME}-${size}.svg")
        set(out "${DEST_DIR}/${size}x${size}/${NAME}.png")
        add_custom_command(OUTPUT "${out}"
            COMMAND ${CMAKE_COMMAND} "-DINPUT=${SVG}" "-DOUTPUT=${sized}" -DSIZE=${size}
                    -P "${TAVO_HELPERS_DIR}/ResizeSvg.cmake"
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${TAVO_SANITIZER_ENV}
                    $<TARGET_FILE:tavo_svg2png> "${sized}" "${out}" 1
            DEPENDS "${SVG}" "${TAVO_HELPERS_DIR}/ResizeSvg.cmake" tavo_svg2png
            VERBATIM)
        list(APPEND outputs "${out}")
    endforeach()
    target_sources(${TARGET} PRIVATE ${outputs})
endfunction()

# The SVG drawings as a Windows build needs them: its Qt has no SVG module, so render_pictures (on the
# host's Qt, built from packaging/windows/render) turns them into PNG and ICO files while the program is
# built. BARVOZNAK_PICTURE_RENDERER names that host program.
set(BARVOZNAK_PICTURE_RENDERER "" CACHE FILEPATH "render_pictures on the host's Qt, for a Qt without SVG")
if(NOT EXISTS "${BARVOZNAK_PICTURE_RENDERER}")
    message(FATAL_ERROR "This Qt has no SVG module, so the drawings must be rendered on the host, and "
        "BARVOZNAK_PICTURE_RENDERER ('${BARVOZNAK_PICTURE_RENDERER}') is no such program. On Linux install "
        "qt6-svg-dev; for Windows, scripts/build-windows builds it.")
endif()

# The icon's images, as Windows asks for them: 16, 20 and 24 px for title bars and taskbars at 100, 125 and
# 150 %, 32 to 64 px for the desktop and Explorer, 256 px for its large views. Windows scales another size
# down where one is missing, which blurs, so each is there. 16, 20 and 24 px have drawings of their own,
# as the big drawing's edges fall between their pixels.
set(BARVOZNAK_ICON_IMAGES
    ${PROJECT_SOURCE_DIR}/packaging/icons/barvoznak-16.svg:16
    ${PROJECT_SOURCE_DIR}/packaging/icons/barvoznak-20.svg:20
    ${PROJECT_SOURCE_DIR}/packaging/icons/barvoznak-24.svg:24
    ${PROJECT_SOURCE_DIR}/assets/icon.svg:32
    ${PROJECT_SOURCE_DIR}/assets/icon.svg:40
    ${PROJECT_SOURCE_DIR}/assets/icon.svg:48
    ${PROJECT_SOURCE_DIR}/assets/icon.svg:64
    ${PROJECT_SOURCE_DIR}/assets/icon.svg:256
)

# barvoznak_render(<output.png|output.ico> <source.svg>:<size>...): a build rule for one rendering; <size> is
# "<n>x" (times the drawing's own size) or "<n>" (a square of n pixels).
function(barvoznak_render output)
    set(sources ${ARGN})
    list(TRANSFORM sources REPLACE ":[0-9]+x?$" "")
    list(REMOVE_DUPLICATES sources)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${BARVOZNAK_PICTURE_RENDERER} ${output} ${ARGN}
        DEPENDS ${sources} ${BARVOZNAK_PICTURE_RENDERER}
        COMMENT "Rendering ${output}"
        VERBATIM)
endfunction()

# Puts the pictures (absolute paths in the source tree) into <target>'s resources under their paths in the
# tree, as pictureIcon() looks for them when there is no SVG: a drawing <name>.svg as the folder <name>/ with
# a rendering at its own size and one at twice it (1x.png, 2x.png), the icon's drawing with one rendering
# per image of the icon (<size>.png); a raster as it is.
function(barvoznak_add_rendered_pictures target)
    set(rendered ${CMAKE_CURRENT_BINARY_DIR}/rendered)
    set(icon_sources ${BARVOZNAK_ICON_IMAGES})
    list(TRANSFORM icon_sources REPLACE ":[0-9]+$" "")
    set(files)
    foreach(picture IN LISTS ARGN)
        file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${picture})
        if(NOT picture MATCHES "\\.svg$")
            set_source_files_properties(${picture} PROPERTIES QT_RESOURCE_ALIAS ${path})
            list(APPEND files ${picture})
            continue()
        endif()
        string(REGEX REPLACE "\\.svg$" "" name ${path})
        set(outputs)
        if(picture IN_LIST icon_sources)
            foreach(image IN LISTS BARVOZNAK_ICON_IMAGES)
                string(REGEX REPLACE ".*:" "" size ${image})
                barvoznak_render(${rendered}/${name}/${size}.png ${image})
                list(APPEND outputs ${name}/${size}.png)
            endforeach()
        else()
            barvoznak_render(${rendered}/${name}/1x.png ${picture}:1x)
            barvoznak_render(${rendered}/${name}/2x.png ${picture}:2x)
            list(APPEND outputs ${name}/1x.png ${name}/2x.png)
        endif()
        foreach(output IN LISTS outputs)
            set_source_files_properties(${rendered}/${output} PROPERTIES QT_RESOURCE_ALIAS ${output})
            list(APPEND files ${rendered}/${output})
        endforeach()
    endforeach()
    qt_add_resources(${target} "pictures" PREFIX "/" FILES ${files})
endfunction()

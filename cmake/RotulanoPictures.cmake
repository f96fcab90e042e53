# The window's pictures without Qt Svg (the Windows build): each SVG of a resource file is drawn to
# PNG when building, at 1x (name.png) and 2x (name@2x.png), with rsvg-convert (librsvg2-bin). The
# drawings go into a resource file of the same name, so Q_INIT_RESOURCE keeps working: the 1x under
# the SVG's prefix and alias, the 2x under the prefix followed by "-2x" (window/Pictures.cpp).

find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# Adds to `target` the PNG drawings of every SVG listed in the resource file `qrc`.
function(rotulano_png_pictures target qrc)
    get_filename_component(qrc_dir ${qrc} DIRECTORY)
    get_filename_component(qrc_name ${qrc} NAME)
    set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/pictures)
    file(MAKE_DIRECTORY ${out_dir})
    file(READ ${qrc} qrc_text)
    string(REGEX MATCH "prefix=\"([^\"]*)\"" _ "${qrc_text}")
    set(prefix ${CMAKE_MATCH_1})
    string(REGEX MATCHALL "<file alias=\"[^\"]+\">[^<]+\\.svg</file>" entries "${qrc_text}")
    set(entries_1x "")
    set(entries_2x "")
    set(drawings "")
    foreach(entry ${entries})
        string(REGEX MATCH "alias=\"([^\"]+)\">([^<]+)</file>" _ "${entry}")
        set(alias ${CMAKE_MATCH_1})
        set(svg ${qrc_dir}/${CMAKE_MATCH_2})
        get_filename_component(name ${svg} NAME_WE)
        set(png_1x ${out_dir}/${name}.png)
        set(png_2x ${out_dir}/${name}@2x.png)
        add_custom_command(OUTPUT ${png_1x} ${png_2x}
                           COMMAND ${RSVG_CONVERT} --zoom=1 --output=${png_1x} ${svg}
                           COMMAND ${RSVG_CONVERT} --zoom=2 --output=${png_2x} ${svg}
                           DEPENDS ${svg}
                           COMMENT "Drawing ${name}.svg to PNG at 1x and 2x" VERBATIM)
        list(APPEND drawings ${png_1x} ${png_2x})
        string(APPEND entries_1x "        <file alias=\"${alias}\">${name}.png</file>\n")
        string(APPEND entries_2x "        <file alias=\"${alias}\">${name}@2x.png</file>\n")
    endforeach()
    if(NOT drawings)
        message(FATAL_ERROR "${qrc} lists no SVG pictures")
    endif()
    set(png_qrc ${out_dir}/${qrc_name})
    file(WRITE ${png_qrc}.new "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n"
         "    <qresource prefix=\"${prefix}\">\n${entries_1x}    </qresource>\n"
         "    <qresource prefix=\"${prefix}-2x\">\n${entries_2x}    </qresource>\n</RCC>\n")
    configure_file(${png_qrc}.new ${png_qrc} COPYONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qrc})
    qt6_add_resources(compiled ${png_qrc})
    set_source_files_properties(${compiled} PROPERTIES OBJECT_DEPENDS "${drawings}")
    target_sources(${target} PRIVATE ${compiled} ${drawings})
endfunction()

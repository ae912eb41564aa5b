# SPDX-License-Identifier: GPL-3.0-or-later
# The program's icon for Windows, made from data/classcount.svg with Debian's
# librsvg and icoutils: PNG renderings for the toolkit's resource system and
# CLASSCOUNT_ICO for the .exe files. Sets CLASSCOUNT_ICON_QRC. The sizes are
# those Windows draws at 100 %, and the same at 125, 150 and 200 %, so that
# the icon is never enlarged from a smaller picture.

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)

set(svg ${PROJECT_SOURCE_DIR}/data/classcount.svg)
get_filename_component(icon_dir ${CLASSCOUNT_ICO} DIRECTORY)
set(pngs)
set(qrc_entries)
foreach(size 16 20 24 32 40 48 64 96 128 256)
    set(png ${icon_dir}/classcount-${size}.png)
    add_custom_command(OUTPUT ${png}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
                       COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${svg}
                       DEPENDS ${svg}
                       VERBATIM)
    list(APPEND pngs ${png})
    string(APPEND qrc_entries "        <file>classcount-${size}.png</file>\n")
endforeach()

set(CLASSCOUNT_ICON_QRC ${icon_dir}/classcount.qrc)
file(WRITE ${CLASSCOUNT_ICON_QRC}
     "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/icon\">\n"
     "${qrc_entries}    </qresource>\n</RCC>\n")

add_custom_command(OUTPUT ${CLASSCOUNT_ICO}
                   COMMAND ${ICOTOOL} --create --output ${CLASSCOUNT_ICO} ${pngs}
                   DEPENDS ${pngs}
                   VERBATIM)

# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build: icon and version information in the .exe files, and
# what users download: a zip to run from anywhere and an installer.

configure_file(data/windows/usage.txt usage.txt @ONLY)

# Made by windowsicon.cmake where the desktop program is built.
set(CLASSCOUNT_ICO ${PROJECT_BINARY_DIR}/icon/classcount.ico)

# One resource script per program: its version information, and the icon
# for the desktop program.
function(classcount_version_resource target description)
    set(CLASSCOUNT_RC_NAME ${target})
    set(CLASSCOUNT_RC_DESCRIPTION ${description})
    set(CLASSCOUNT_RC_ICON "")
    if(ARGN)
        set(CLASSCOUNT_RC_ICON "1 ICON \"${ARGN}\"")
    endif()
    set(rc ${PROJECT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/data/windows/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    if(ARGN)
        set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ARGN})
    endif()
endfunction()

enable_language(RC)

# The zip holds one folder, so that unpacking it makes no mess.
set(dist_name classcount-${PROJECT_VERSION}-win64)
set(CLASSCOUNT_DIST_DIR ${PROJECT_BINARY_DIR}/dist/${dist_name})
set(zip ${PROJECT_BINARY_DIR}/${dist_name}.zip)
set(CLASSCOUNT_INSTALLER ${PROJECT_BINARY_DIR}/${dist_name}-setup.exe)
configure_file(data/windows/installer.nsi.in installer.nsi @ONLY)

find_program(MINGW_STRIP ${CLASSCOUNT_MINGW}-strip REQUIRED)
find_program(MAKENSIS makensis REQUIRED)

# The licences of the libraries built into the programs, as their builds for
# Windows (tools/build-*-windows) took them from the source packages; each
# goes beside the programs as LICENSE-<library>.txt.
find_package(PkgConfig REQUIRED)
set(library_licenses)
set(license_commands)
foreach(library libxlsxwriter:xlsxwriter minizip:minizip freexl:freexl)
    string(REPLACE ":" ";" library ${library})
    list(GET library 0 name)
    list(GET library 1 module)
    pkg_get_variable(license ${module} licensefile)
    if(NOT EXISTS "${license}")
        message(FATAL_ERROR "${name} for Windows has no licence file \"${license}\"")
    endif()
    list(APPEND library_licenses ${license})
    list(APPEND license_commands
        COMMAND ${CMAKE_COMMAND} -DINPUT=${license} -DOUTPUT=${CLASSCOUNT_DIST_DIR}/LICENSE-${name}.txt -DBOM=ON
                -P ${PROJECT_SOURCE_DIR}/cmake/windowstext.cmake)
endforeach()

add_custom_command(OUTPUT ${zip} ${CLASSCOUNT_INSTALLER}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CLASSCOUNT_DIST_DIR} ${zip}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CLASSCOUNT_DIST_DIR}
    COMMAND ${MINGW_STRIP} -o ${CLASSCOUNT_DIST_DIR}/classcount.exe $<TARGET_FILE:classcount>
    COMMAND ${MINGW_STRIP} -o ${CLASSCOUNT_DIST_DIR}/classcount-table.exe $<TARGET_FILE:classcount-table>
    COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_SOURCE_DIR}/LICENSE -DOUTPUT=${CLASSCOUNT_DIST_DIR}/LICENSE
            -P ${PROJECT_SOURCE_DIR}/cmake/windowstext.cmake
    ${license_commands}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_BINARY_DIR}/usage.txt
            -DOUTPUT=${CLASSCOUNT_DIST_DIR}/使用说明.txt -DBOM=ON
            -P ${PROJECT_SOURCE_DIR}/cmake/windowstext.cmake
    # In a UTF-8 locale the Chinese file name is stored flagged as UTF-8,
    # which Windows' own zip folders read as such.
    COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_BINARY_DIR}/dist
            ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
            ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${dist_name}
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 ${PROJECT_BINARY_DIR}/installer.nsi
    DEPENDS classcount classcount-table ${PROJECT_SOURCE_DIR}/LICENSE ${library_licenses}
            ${PROJECT_BINARY_DIR}/usage.txt ${PROJECT_BINARY_DIR}/installer.nsi
            ${PROJECT_SOURCE_DIR}/cmake/windowstext.cmake
    VERBATIM)
add_custom_target(windows-dist DEPENDS ${zip} ${CLASSCOUNT_INSTALLER})

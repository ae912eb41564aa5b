# SPDX-License-Identifier: GPL-3.0-or-later
# Install layout, the Debian package, and the tests that check both.

include(GNUInstallDirs)

set(CLASSCOUNT_APP_ID io.github.classcount.ClassCount)
# Whatever the umask of the machine that builds the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS classcount classcount-table RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${CLASSCOUNT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/classcount.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/${CLASSCOUNT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES data/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME classcount)

# Manual pages, gzipped as Debian ships them. help2man writes
# classcount-table's from its --help and --version, so it has to run the
# program: not possible when cross-compiling.
if(NOT CMAKE_CROSSCOMPILING)
    find_program(HELP2MAN help2man REQUIRED)
    string(TIMESTAMP CLASSCOUNT_MAN_DATE "%B %Y" UTC)
    configure_file(man/classcount.1.in classcount.1.raw @ONLY)
    set(man_sed ${PROJECT_SOURCE_DIR}/man/chinese-text.sed)
    set(finish_page sh -c "sed -E -f \"$1\" \"$2\" | gzip -9 -n > \"$3\"" finish_page ${man_sed})
    # In its default C locale help2man would write "?" for every Chinese character.
    add_custom_command(OUTPUT classcount-table.1.raw
                       COMMAND ${CMAKE_COMMAND} -E env ${CLASSCOUNT_SANITIZER_ENVIRONMENT}
                               ${HELP2MAN} --locale=C.UTF-8 --no-info
                               --include=${PROJECT_SOURCE_DIR}/man/classcount-table.h2m
                               --output=classcount-table.1.raw $<TARGET_FILE:classcount-table>
                       DEPENDS classcount-table man/classcount-table.h2m
                       VERBATIM)
    foreach(page classcount classcount-table)
        add_custom_command(OUTPUT ${page}.1.gz
                           COMMAND ${finish_page} ${page}.1.raw ${page}.1.gz
                           DEPENDS ${PROJECT_BINARY_DIR}/${page}.1.raw ${man_sed}
                           VERBATIM)
        list(APPEND man_pages ${PROJECT_BINARY_DIR}/${page}.1.gz)
    endforeach()
    add_custom_target(manual-pages ALL DEPENDS ${man_pages})
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_CONTACT "classcount developers <classcount@example.org>")

# Debian's changelog of a native package: the version and the day the build
# tree was set up (SOURCE_DATE_EPOCH, when set, for a reproducible package).
string(TIMESTAMP CLASSCOUNT_BUILD_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(data/changelog.Debian.in changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
                   COMMAND gzip -9 -n -c changelog > changelog.gz
                   DEPENDS ${PROJECT_BINARY_DIR}/changelog)
add_custom_target(debian-changelog ALL DEPENDS changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME classcount)
set(CPACK_PACKAGE_VENDOR "classcount developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "count students in class per teaching week and period")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "上课人数统计: paste the class times and head counts of a course list and read\n"
    "how many students are in class in periods 4, 5, 9, 11 and 12 of any\n"
    "teaching week and weekday, or copy the whole term as a table.\n"
    "classcount-table prints the same table from two text files.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as a plug-in, so the shared-library scan cannot see it: it draws the
# SVG icon. Debian moved Qt 6's SVG plug-ins to a package of their own in 6.7.2-5.
if(CLASSCOUNT_QT STREQUAL 6)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-svg-plugins | libqt6svg6 (<< 6.7.2-5~)")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt5svg5)
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
include(CPack)

if(BUILD_TESTING)
    set(install_prefix ${PROJECT_BINARY_DIR}/install-test)
    add_test(NAME install_tree
             COMMAND sh -c "rm -rf \"$1\" && \"$2\" --install \"$3\" --prefix \"$1\""
                     install_tree ${install_prefix} ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR})
    set_tests_properties(install_tree PROPERTIES FIXTURES_SETUP installed)

    add_test(NAME install_layout
             COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/check-install-layout ${install_prefix})
    add_test(NAME desktop_entry_valid
             COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/validate-desktop-entry
                     ${install_prefix}/${CMAKE_INSTALL_DATADIR}/applications/${CLASSCOUNT_APP_ID}.desktop)
    add_test(NAME metainfo_valid
             COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/validate-metainfo
                     ${install_prefix}/${CMAKE_INSTALL_DATADIR}/metainfo/${CLASSCOUNT_APP_ID}.metainfo.xml)
    set(installed_tests install_layout desktop_entry_valid metainfo_valid)
    if(TARGET manual-pages)
        set(man1 ${install_prefix}/${CMAKE_INSTALL_MANDIR}/man1)
        add_test(NAME manual_pages
                 COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/check-manual-pages
                         ${man1}/classcount.1.gz ${man1}/classcount-table.1.gz)
        list(APPEND installed_tests manual_pages)
    endif()
    # Exit status 77: the validator is not installed ("make test" installs it).
    set_tests_properties(${installed_tests}
                         PROPERTIES FIXTURES_REQUIRED installed SKIP_RETURN_CODE 77)
endif()

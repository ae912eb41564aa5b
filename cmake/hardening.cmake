# SPDX-License-Identifier: GPL-3.0-or-later
# The usual hardening for the programs people run, since they read files and
# pasted text that come from elsewhere.
#
# Linux: the flags Debian builds its packages with, asked of dpkg-buildflags
# rather than copied, so that a newer dpkg's additions come along. They are
# what hardening=+all adds to hardening=-all: stack protector, fortified
# calls, format checks, RELRO with BIND_NOW (and PIE where the compiler does
# not default to it). The rest of its flags (-O2, -g, file-prefix maps) is
# the build type's business. Only the optimised build types get them, the
# package's RelWithDebInfo among them: _FORTIFY_SOURCE needs optimisation,
# and glibc warns without it. The sanitizer and fuzz builds keep their own
# instrumentation.
#
# Windows: the linker already sets ASLR (high entropy) and DEP; a stack
# protector is added, its runtime linked statically like everything else.

if(WIN32)
    add_compile_options(-fstack-protector-strong)
    add_link_options(-fstack-protector-strong)
    return()
endif()

if(CLASSCOUNT_SANITIZE OR CLASSCOUNT_FUZZ OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(NOTICE "dpkg-buildflags (Debian's dpkg-dev) not found: built without Debian's hardening flags")
    return()
endif()

# The flags of one kind (CPPFLAGS, CXXFLAGS, LDFLAGS), as a list, for a
# DEB_BUILD_MAINT_OPTIONS setting.
function(classcount_buildflags kind setting result)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=${setting}
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${DPKG_BUILDFLAGS} --get ${kind} failed: ${status}")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${result} ${flags} PARENT_SCOPE)
endfunction()

set(hardening_flags)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    classcount_buildflags(${kind} hardening=+all hardened)
    classcount_buildflags(${kind} hardening=-all plain)
    if(plain)
        list(REMOVE_ITEM hardened ${plain})
    endif()
    if(kind STREQUAL LDFLAGS)
        add_link_options(${hardened})
    else()
        add_compile_options(${hardened})
    endif()
    list(APPEND hardening_flags ${hardened})
endforeach()
list(JOIN hardening_flags " " hardening_flags)
message(STATUS "Hardening flags from dpkg-buildflags: ${hardening_flags}")

# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (POSIX threads)
# and runs what it builds, the tests included, under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CLASSCOUNT_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CLASSCOUNT_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CLASSCOUNT_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${CLASSCOUNT_MINGW}-windres)

# Libraries and headers only from the mingw sysroot and the cross-built
# toolkit and libraries (CMAKE_PREFIX_PATH); programs such as moc, uic and
# rcc from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${CLASSCOUNT_MINGW} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# pkg-config reads only the .pc files of those prefixes (FindPkgConfig adds
# CMAKE_PREFIX_PATH) and of the sysroot, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${CLASSCOUNT_MINGW}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# In a Wine prefix of the build's own, with the settings of tools/wine.
find_program(CLASSCOUNT_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine
    ${CMAKE_CURRENT_LIST_DIR}/../tools/wine)

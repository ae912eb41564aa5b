/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The part of iconv that FreeXL calls, for Windows, where Debian offers no
 * iconv: from a Windows code page or UTF-16LE to UTF-8, done by Windows. */
#ifndef CLASSCOUNT_ICONV_H
#define CLASSCOUNT_ICONV_H

#include <stddef.h>

typedef struct classcount_iconv *iconv_t;

iconv_t iconv_open(const char *to, const char *from);
size_t iconv(iconv_t converter, char **in, size_t *in_left, char **out, size_t *out_left);
int iconv_close(iconv_t converter);

#endif

/* SPDX-License-Identifier: GPL-3.0-or-later */
/* FreeXL converts each string whole, into a buffer large enough for it, so a
 * conversion here is all or nothing: it never stops halfway with E2BIG or
 * EINVAL and keeps no state between calls. */
#include "iconv.h"

#include <errno.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#define UTF16LE_CODE_PAGE 1200
#define ASCII_CODE_PAGE 20127

struct classcount_iconv {
    UINT code_page;
};

/* "CP936", "UTF-16LE", "ASCII", "MacRoman": the names FreeXL gives. */
static UINT code_page_of(const char *name)
{
    if (strcmp(name, "UTF-16LE") == 0)
        return UTF16LE_CODE_PAGE;
    if (strcmp(name, "ASCII") == 0)
        return ASCII_CODE_PAGE;
    if (strcmp(name, "MacRoman") == 0)
        return 10000;
    if (strncmp(name, "CP", 2) == 0 && name[2] >= '1' && name[2] <= '9') {
        char *end;
        const unsigned long number = strtoul(name + 2, &end, 10);
        if (*end == '\0' && number < 65536 && IsValidCodePage((UINT)number))
            return (UINT)number;
    }
    return 0;
}

iconv_t iconv_open(const char *to, const char *from)
{
    const UINT code_page = strcmp(to, "UTF-8") == 0 ? code_page_of(from) : 0;
    struct classcount_iconv *converter = code_page ? malloc(sizeof *converter) : NULL;
    if (!converter) {
        errno = code_page ? ENOMEM : EINVAL;
        return (iconv_t)-1;
    }
    converter->code_page = code_page;
    return converter;
}

/* The input as UTF-16 in a new buffer, or NULL where it holds a byte or a
 * sequence that the code page does not define. */
static WCHAR *wide_text(UINT code_page, const char *text, int size, int *length)
{
    WCHAR *wide;
    if (code_page == UTF16LE_CODE_PAGE) {
        if (size % 2)
            return NULL;
        *length = size / 2;
        wide = malloc(size);
        if (wide)
            memcpy(wide, text, size);
        return wide;
    }
    /* Windows' ASCII maps the bytes above 127 to others instead of failing. */
    if (code_page == ASCII_CODE_PAGE) {
        for (int i = 0; i < size; ++i) {
            if ((unsigned char)text[i] > 127)
                return NULL;
        }
    }
    *length = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text, size, NULL, 0);
    if (*length == 0)
        return NULL;
    wide = malloc(sizeof(WCHAR) * *length);
    if (wide && MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text, size, wide, *length) != *length) {
        free(wide);
        return NULL;
    }
    return wide;
}

size_t iconv(iconv_t converter, char **in, size_t *in_left, char **out, size_t *out_left)
{
    if (!in || !*in || *in_left == 0)
        return 0;
    if (*in_left > INT_MAX / 2 || *out_left > INT_MAX) {
        errno = E2BIG;
        return (size_t)-1;
    }
    int length = 0;
    WCHAR *wide = wide_text(converter->code_page, *in, (int)*in_left, &length);
    const int size = wide ? WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, length, NULL, 0, NULL, NULL)
                          : 0;
    if (size == 0 || size > (int)*out_left) {
        free(wide);
        errno = size == 0 ? EILSEQ : E2BIG;
        return (size_t)-1;
    }
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, length, *out, size, NULL, NULL);
    free(wide);
    *in += *in_left;
    *in_left = 0;
    *out += size;
    *out_left -= (size_t)size;
    return 0;
}

int iconv_close(iconv_t converter)
{
    free(converter);
    return 0;
}

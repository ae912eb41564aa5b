# SPDX-License-Identifier: GPL-3.0-or-later
# Run with sed -E on a manual page.
#
# The toolkit's headings of --help are Chinese, which help2man does not know
# for headings: the usage line gives way to the synopsis of the .h2m file,
# the option and argument lists become sections of their own.
/^用法：/d
s/^选项：$/.SH OPTIONS/
s/^参数：$/.SH ARGUMENTS/
#
# groff breaks lines only at spaces and would stretch the spaces of a
# justified line: Chinese text has none. From the description on, lines are
# left-aligned and may break after full-width punctuation.
/^\.SH DESCRIPTION/,$ {
    /^\.SH DESCRIPTION/a .ad l
    /^\./!s/(，|。|；|：|、)/&\\:/g
}
# Qt pads argument names in --help to the width of the longest option, so a
# longer name is followed by one space, which help2man takes for running text.
/^\.IP$/ {
    N
    s/^\.IP\n([A-Z_]+) +/.TP\n\1\n/
}

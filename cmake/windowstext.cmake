# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the text file INPUT to OUTPUT with Windows line ends, and with a
# UTF-8 byte-order mark when BOM is set, so that Notepad of any Windows
# version shows it as written.
file(READ ${INPUT} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
if(BOM)
    string(ASCII 239 187 191 byte_order_mark)
    string(PREPEND text "${byte_order_mark}")
endif()
file(WRITE ${OUTPUT} "${text}")

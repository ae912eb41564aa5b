# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one Qt Test executable under Wine and prints its report: Wine would
# send a report meant for the console to the debug log instead.
#   cmake -DEMULATOR="env ... wine" -DTEST=tst.exe -DREPORT=tst.txt -P testreport.cmake
separate_arguments(emulator UNIX_COMMAND "${EMULATOR}")
file(REMOVE ${REPORT})
execute_process(COMMAND ${emulator} ${TEST} -o ${REPORT},txt RESULT_VARIABLE result)
if(EXISTS ${REPORT})
    file(READ ${REPORT} report)
    message("${report}")
endif()
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST}: exit status ${result}")
endif()

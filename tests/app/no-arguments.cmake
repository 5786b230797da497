# Starts the program for two seconds with Qt's own options for a style sheet that cannot be read and a
# mirrored layout. Had Qt been handed them, it would complain that it cannot load the style sheet.
# EMULATOR runs a program built for another system (Wine for Windows), where there is one.
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" -stylesheet /nonexistent/barvoznak.qss -reverse
    TIMEOUT 2 OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(err MATCHES "barvoznak\\.qss|stylesheet")
    message(FATAL_ERROR "The program passed its arguments on to Qt:\n${err}")
endif()

# The program takes no arguments, and none of Qt's own reach it. It starts twice on Qt's minimal platform,
# which writes each painted frame into the working folder: once bare, once with Qt's options for another
# platform, a style sheet that cannot be read and a mirrored layout. Had Qt been handed them, the program
# would not start (no such platform) or its window would look different (mirrored). Each run must still be
# going when its time is up and have painted its window, so a crash or a start that never finishes fails too.
# EMULATOR runs a program built for another system (Wine for Windows), where there is one.
if(EMULATOR)
    set(seconds 15)
else()
    set(seconds 5)
endif()
set(ENV{QT_QPA_PLATFORM} minimal)
set(ENV{QT_DEBUG_BACKINGSTORE} 1)
set(ENV{WINEQT_QPA_PLATFORM} minimal)
set(ENV{WINEQT_DEBUG_BACKINGSTORE} 1)
foreach(run bare with-options)
    set(folder "${CMAKE_CURRENT_BINARY_DIR}/no-arguments-${run}")
    file(REMOVE_RECURSE "${folder}")
    file(MAKE_DIRECTORY "${folder}")
    set(arguments)
    if(run STREQUAL "with-options")
        set(arguments -platform nonexistent -stylesheet /nonexistent/barvoznak.qss -reverse)
    endif()
    # coreutils' timeout ends the run (and kills it should it outlive the polite signal): execute_process's own
    # TIMEOUT, in CMake 3.31 (Debian 13), only stops waiting and leaves the program running.
    execute_process(COMMAND timeout --kill-after=5 ${seconds} ${EMULATOR} "${PROGRAM}" ${arguments}
        WORKING_DIRECTORY "${folder}" RESULT_VARIABLE result ERROR_VARIABLE err)
    if(NOT result EQUAL 124) # 124: still running when the time was up, then ended by the signal
        message(FATAL_ERROR "The program (${run}) ended before ${seconds} s were up (${result}):\n${err}")
    endif()
    if(NOT EXISTS "${folder}/output0000.png")
        message(FATAL_ERROR "The program (${run}) painted no window in ${seconds} s:\n${err}")
    endif()
    file(SHA256 "${folder}/output0000.png" frame-${run})
endforeach()
if(NOT frame-bare STREQUAL frame-with-options)
    message(FATAL_ERROR "Qt's options changed the window: compare the first frames (output0000.png) in "
        "${CMAKE_CURRENT_BINARY_DIR}/no-arguments-bare and -with-options")
endif()

# Building Barvoznak for 64-bit Windows: the compilers of mingw-w64-x86_64.cmake and the cross Qt that
# scripts/windows/build-qt made in BARVOZNAK_QT_MINGW (the environment's, else /opt/barvoznak-qt6-mingw).
# Used by the "windows" preset.
if(NOT BARVOZNAK_QT_MINGW)
    if(DEFINED ENV{BARVOZNAK_QT_MINGW})
        set(BARVOZNAK_QT_MINGW "$ENV{BARVOZNAK_QT_MINGW}")
    else()
        set(BARVOZNAK_QT_MINGW /opt/barvoznak-qt6-mingw)
    endif()
endif()
set(BARVOZNAK_QT_MINGW "${BARVOZNAK_QT_MINGW}" CACHE PATH "The cross Qt for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BARVOZNAK_QT_MINGW)

# A folder without the stamp of a finished build is half made and never used.
if(NOT EXISTS "${BARVOZNAK_QT_MINGW}/.barvoznak-complete")
    message(FATAL_ERROR "No finished cross Qt in ${BARVOZNAK_QT_MINGW}: build it with scripts/windows/build-qt "
        "(as root), or set BARVOZNAK_QT_MINGW to where it is.")
endif()

# Qt's toolchain file loads ours for the compilers, whichever file Qt itself was configured with.
set(QT_CHAINLOAD_TOOLCHAIN_FILE "${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake")
include("${BARVOZNAK_QT_MINGW}/lib/cmake/Qt6/qt.toolchain.cmake")

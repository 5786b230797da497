# CPack's configuration of the two Windows packages, which `cpack` makes in the build folder
# (scripts/build-windows runs it): the zip of the portable folder that `cmake --install` makes, and the
# setup program, which installs the same files. The setup program is CPack's NSIS generator with a script
# of our own, NSIS.template.in, for what CPack's does not do: Czech with English, one user or all users,
# never over a running Barvoznak, the earlier version removed first, the Windows version checked.
#
# Signing: `cpack -D CPACK_BARVOZNAK_SIGN_PKCS12=<key and certificate> -D
# CPACK_BARVOZNAK_SIGN_PASSWORD_FILE=<its password> [-D CPACK_BARVOZNAK_SIGN_TIMESTAMP=<service URL>]` signs
# barvoznak.exe in both packages (sign-program.cmake), the uninstaller and the setup program (sign.cmake);
# without them nothing is signed.
set(BARVOZNAK_PACKAGE_NAME ${BARVOZNAK_PRODUCT_NAME}-${PROJECT_VERSION}-win64)
# CPack names each package after CPACK_PACKAGE_FILE_NAME; the setup program's gets this ending (cpack-names).
set(BARVOZNAK_SETUP_SUFFIX -setup)
set(BARVOZNAK_SETUP_NAME ${BARVOZNAK_PACKAGE_NAME}${BARVOZNAK_SETUP_SUFFIX})
# The setup program's and the uninstaller's exit codes besides NSIS's own (0 done, 1 cancelled by the user,
# 2 stopped): Barvoznak runs; Windows is too old; nothing is installed there; files could not be removed.
set(BARVOZNAK_EXIT_RUNNING 3)
set(BARVOZNAK_EXIT_OLD_WINDOWS 4)
set(BARVOZNAK_EXIT_NOTHING_TO_REMOVE 5)
set(BARVOZNAK_EXIT_FILES_LEFT 6)
set(BARVOZNAK_UNINSTALL_KEY
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${BARVOZNAK_PRODUCT_NAME}")

find_program(BARVOZNAK_OSSLSIGNCODE osslsigncode)
configure_file(${CMAKE_CURRENT_LIST_DIR}/sign.cmake.in sign.cmake @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/sign-program.cmake.in sign-program.cmake @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/cpack-names.cmake.in cpack-names.cmake @ONLY)

# NSIS reads a licence file without a byte order mark in the machine's ANSI code page, so the licence page
# gets LICENSE with one, and with Windows line ends.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REPLACE "\n" "\r\n" licence "${licence}")
string(ASCII 239 187 191 utf8_bom)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/licence-page.txt "${utf8_bom}${licence}")

# Every CPACK_ value reaches cpack exactly as set here, backslashes of Windows paths included.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME ${BARVOZNAK_PRODUCT_NAME})
set(CPACK_PACKAGE_VENDOR "${BARVOZNAK_VENDOR}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${BARVOZNAK_PACKAGE_NAME})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack-names.cmake)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/licence-page.txt)
# CPack takes NSIS.template.in from its module path before its own.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-V2;-INPUTCHARSET UTF8")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_BINARY_DIR}/sign-program.cmake)
# The facts NSIS.template.in reads besides CPack's own.
set(CPACK_BARVOZNAK_VERSION_TEXT ${BARVOZNAK_VERSION_TEXT})
set(CPACK_BARVOZNAK_PROGRAM_FILE ${BARVOZNAK_PROGRAM_FILE})
set(CPACK_BARVOZNAK_RUNNING_MUTEX "${BARVOZNAK_RUNNING_MUTEX}")
set(CPACK_BARVOZNAK_UNINSTALL_KEY "${BARVOZNAK_UNINSTALL_KEY}")
set(CPACK_BARVOZNAK_ICON ${BARVOZNAK_ICON_FILE})
set(CPACK_BARVOZNAK_COPYRIGHT "${BARVOZNAK_COPYRIGHT}")
set(CPACK_BARVOZNAK_WEB_URL "${BARVOZNAK_WEB_URL}")
foreach(exit IN ITEMS RUNNING OLD_WINDOWS NOTHING_TO_REMOVE FILES_LEFT)
    set(CPACK_BARVOZNAK_EXIT_${exit} ${BARVOZNAK_EXIT_${exit}})
endforeach()
set(CPACK_BARVOZNAK_CMAKE ${CMAKE_COMMAND})
set(CPACK_BARVOZNAK_SIGN_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/sign.cmake)
include(CPack)

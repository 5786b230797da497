# Run by `cmake --install` of the Windows build, after the program is in place: puts the platform plugin in
# platforms/ and beside the program every DLL that the two import, and those the copied DLLs import in
# turn, as found in BARVOZNAK_DLL_FOLDERS. A DLL found in none of those folders is left to Windows; they are
# listed, so a missing one is easy to see. `--strip` strips the copies too: the compiler's runtime DLLs come
# with their debugging information. Then licences/ gets the notices of everything in the folder.
# In: BARVOZNAK_PROGRAM, BARVOZNAK_PLATFORM_PLUGIN, BARVOZNAK_QT_BIN, BARVOZNAK_DLL_FOLDERS,
#     BARVOZNAK_DLL_NAMES (a folder for this script's own use), BARVOZNAK_OBJDUMP, BARVOZNAK_STRIP,
#     BARVOZNAK_PRODUCT, BARVOZNAK_VERSION_TEXT, BARVOZNAK_QT_VERSION, BARVOZNAK_QT_SOURCE_VERSION,
#     BARVOZNAK_QT_COPYRIGHT, BARVOZNAK_BUILT_IN (files of Debian packages in the program's resources).
cmake_policy(VERSION 3.25)
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

function(copy_dll dll destination)
    file(INSTALL "${dll}" DESTINATION "${destination}")
    if(CMAKE_INSTALL_DO_STRIP)
        get_filename_component(name "${dll}" NAME)
        execute_process(COMMAND "${BARVOZNAK_STRIP}" --strip-unneeded "${destination}/${name}"
            RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "${BARVOZNAK_STRIP} failed on ${destination}/${name}")
        endif()
    endif()
endfunction()

copy_dll("${BARVOZNAK_PLATFORM_PLUGIN}" "${folder}/platforms")
get_filename_component(plugin "${BARVOZNAK_PLATFORM_PLUGIN}" NAME)

# file(GET_RUNTIME_DEPENDENCIES) looks a DLL up by its name in lower case, as Windows' file names ignore case;
# Linux's do not, so it searches a folder of links named so, to the first DLL of each name in the folders.
set(dll_names "${BARVOZNAK_DLL_NAMES}")
file(REMOVE_RECURSE "${dll_names}")
file(MAKE_DIRECTORY "${dll_names}")
foreach(dll_folder IN LISTS BARVOZNAK_DLL_FOLDERS)
    file(GLOB found "${dll_folder}/*.dll")
    foreach(dll IN LISTS found)
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" name)
        if(NOT EXISTS "${dll_names}/${name}")
            file(CREATE_LINK "${dll}" "${dll_names}/${name}" SYMBOLIC)
        endif()
    endforeach()
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${BARVOZNAK_OBJDUMP}")
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES "$ENV{DESTDIR}${BARVOZNAK_PROGRAM}"
    MODULES "${folder}/platforms/${plugin}"
    DIRECTORIES "${dll_names}"
    RESOLVED_DEPENDENCIES_VAR links
    UNRESOLVED_DEPENDENCIES_VAR from_windows)
set(dlls "")
foreach(link IN LISTS links)
    file(REAL_PATH "${link}" dll)
    list(APPEND dlls "${dll}")
endforeach()
foreach(dll IN LISTS dlls)
    copy_dll("${dll}" "${folder}")
endforeach()
list(SORT from_windows CASE INSENSITIVE)
list(JOIN from_windows " " from_windows)
message(STATUS "Left to Windows: ${from_windows}")

# The licences: a README that names, for each file of the folder, the text that covers it; Barvoznak's own
# (installed as licences/<product>.txt); for Qt's DLLs Debian's copyright file of Qt's source, which lists
# Qt's licences and the third-party code built into the DLLs with its notices; for the other DLLs the
# copyright file of the Debian package that holds them, as for the files in the program's resources. Those files point at licence texts that Debian keeps
# once in /usr/share/common-licenses; the texts they name go into licences/common-licenses/.
set(licences "${folder}/licences")
set(notices "")
file(INSTALL "${BARVOZNAK_QT_COPYRIGHT}" DESTINATION "${licences}" RENAME Qt.txt)
list(APPEND notices "${BARVOZNAK_QT_COPYRIGHT}")
set(qt_files "")
set(packages "")
get_filename_component(program "${BARVOZNAK_PROGRAM}" NAME)
# The Debian package of the file $1, named in the README as $2.
function(add_package_file file name)
    execute_process(COMMAND dpkg-query -S "${file}" OUTPUT_VARIABLE owner RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "No Debian package holds ${file}, so its licence is unknown")
    endif()
    string(REGEX REPLACE "[:,].*" "" package "${owner}")
    set(packages ${packages} "${package}" PARENT_SCOPE)
    set("files_${package}" ${files_${package}} "${name}" PARENT_SCOPE)
endfunction()
foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    get_filename_component(dll_folder "${dll}" DIRECTORY)
    if(dll_folder STREQUAL BARVOZNAK_QT_BIN)
        list(APPEND qt_files "${name}")
    else()
        add_package_file("${dll}" "${name}")
    endif()
endforeach()
foreach(part IN LISTS BARVOZNAK_BUILT_IN)
    get_filename_component(name "${part}" NAME)
    add_package_file("${part}" "${name} in ${program}")
endforeach()
list(APPEND qt_files "platforms\\${plugin}")
list(REMOVE_DUPLICATES packages)
list(SORT packages)

list(JOIN qt_files ", " qt_list)
set(readme "${BARVOZNAK_PRODUCT} ${BARVOZNAK_VERSION_TEXT}: the licences of the files in this folder's parent.

${program}
    ${BARVOZNAK_PRODUCT}, under the GNU General Public License, version 3 or later: ${BARVOZNAK_PRODUCT}.txt

${qt_list}
    Qt ${BARVOZNAK_QT_VERSION}, under the GNU Lesser General Public License, version 3
    (common-licenses\\LGPL-3.txt, which adds to common-licenses\\GPL-3.txt), with the third-party code
    built into these DLLs: Qt.txt, the copyright file of Debian's source package qt6-base
    ${BARVOZNAK_QT_SOURCE_VERSION}, from which they were built.
")
foreach(package IN LISTS packages)
    set(copyright "/usr/share/doc/${package}/copyright")
    if(NOT EXISTS "${copyright}")
        message(FATAL_ERROR "The Debian package ${package} has no ${copyright}")
    endif()
    file(INSTALL "${copyright}" DESTINATION "${licences}" RENAME "${package}.txt")
    list(APPEND notices "${copyright}")
    list(SORT "files_${package}")
    list(JOIN "files_${package}" ", " package_files)
    execute_process(COMMAND dpkg-query -W -f=\${Version} "${package}" OUTPUT_VARIABLE version)
    string(APPEND readme "
${package_files}
    ${package}.txt: the copyright file of the Debian package they come from,
    ${package} ${version}.
")
endforeach()

set(common_licences LGPL-3 GPL-3)
foreach(notice IN LISTS notices)
    file(READ "${notice}" text)
    string(REGEX MATCHALL "/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+]" named "${text}")
    list(TRANSFORM named REPLACE ".*/" "")
    list(APPEND common_licences ${named})
endforeach()
list(REMOVE_DUPLICATES common_licences)
list(SORT common_licences)
foreach(name IN LISTS common_licences)
    if(NOT EXISTS "/usr/share/common-licenses/${name}")
        message(FATAL_ERROR "A copyright file names /usr/share/common-licenses/${name}, which is missing")
    endif()
    # Some of these names are links to others (GPL to GPL-3): each is copied as the text it stands for.
    file(REAL_PATH "/usr/share/common-licenses/${name}" text)
    file(INSTALL "${text}" DESTINATION "${licences}/common-licenses" RENAME "${name}.txt")
endforeach()
string(APPEND readme "
Where a copyright file names /usr/share/common-licenses/<name>, the text is in common-licenses\\<name>.txt.
")
string(REPLACE "\n" "\r\n" readme "${readme}")
file(WRITE "${licences}/README.txt" "${readme}")

# Builds that give the same bytes wherever and whenever a commit is built: the .deb, the Windows zip and the
# setup program.
#
# SOURCE_DATE_EPOCH (https://reproducible-builds.org/specs/source-date-epoch/) is the one date every step
# stamps into what it makes: the environment's, where it sets one, else the date of the commit being built.
# Set once here; the build rules and the packages take it from BARVOZNAK_SOURCE_DATE_EPOCH.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(BARVOZNAK_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    execute_process(COMMAND git log -1 --format=%ct
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        OUTPUT_VARIABLE BARVOZNAK_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
        # A source tree without its history (an archive of it, or no git): dated now, and said so.
        string(TIMESTAMP BARVOZNAK_SOURCE_DATE_EPOCH "%s" UTC)
        message(WARNING "Neither SOURCE_DATE_EPOCH nor the commit's date (no git history here): this build "
            "is dated now and cannot be reproduced byte for byte.")
    else()
        # A new commit dates the next build, without a configure by hand: the configure step depends on where
        # git keeps the checked-out commit. That is HEAD itself when no branch is checked out; else the branch,
        # as a file of its own in a folder that git writes anew at each commit (so the folder's time tells,
        # also once the file is gone into packed-refs), or in packed-refs.
        execute_process(COMMAND git rev-parse --path-format=absolute --git-path HEAD --git-path packed-refs
            WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" OUTPUT_VARIABLE commit_places
            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        execute_process(COMMAND git symbolic-ref --quiet HEAD
            WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" OUTPUT_VARIABLE branch
            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(branch)
            execute_process(COMMAND git rev-parse --path-format=absolute --git-path "${branch}"
                WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" OUTPUT_VARIABLE branch_file
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            get_filename_component(branch_folder "${branch_file}" DIRECTORY)
            string(APPEND commit_places "\n${branch_folder}")
        endif()
        string(REPLACE "\n" ";" commit_places "${commit_places}")
        foreach(place IN LISTS commit_places)
            if(EXISTS "${place}")
                set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${place}")
            endif()
        endforeach()
    endif()
endif()
if(NOT BARVOZNAK_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is '${BARVOZNAK_SOURCE_DATE_EPOCH}', not seconds since 1970")
endif()

# The tools that stamp a date take it from the environment: Qt's rcc dates every resource by it (else by the
# file's time, which a fresh clone sets to now), and the MinGW linker stamps a Windows program's header with
# it (else with now). Every custom command (rcc's among them) and every link runs with it.
set(date_launcher "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${BARVOZNAK_SOURCE_DATE_EPOCH}")
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM "${date_launcher}")
set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "${date_launcher}")

# The checkout's folder stays out of the program (debug information, and through it the build id that
# stripping keeps; file names in messages): paths are written relative to the top of the tree.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=)

# Installed folders, and those of the packages, get the same modes whatever the umask of the one who builds
# (files have theirs from install() already). What CPack cannot be told: the .deb's own members (the control
# and data archives) take the modes of the files it makes for them, so cpack runs with umask 022.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

# For cpack: the packages' own dates (of each file inside, and of the package) are the same date, and the
# zip, which writes that date in local time as well, writes it in UTC wherever it is made.
# packaging/ names this file as CPACK_PROJECT_CONFIG_FILE or includes it from that.
set(BARVOZNAK_CPACK_DATE_FILE "${PROJECT_BINARY_DIR}/cpack-source-date-epoch.cmake")
file(CONFIGURE OUTPUT "${BARVOZNAK_CPACK_DATE_FILE}"
    CONTENT "set(ENV{SOURCE_DATE_EPOCH} @BARVOZNAK_SOURCE_DATE_EPOCH@)\nset(ENV{TZ} UTC)\n" @ONLY)

# The hardening Debian gives its own packages: stack protector, fortified functions, stack clash protection,
# control-flow protection where the processor has it, read-only relocations with immediate binding, and PIE
# (Debian's compiler makes PIE by default). The flags come from dpkg-buildflags with every hardening feature
# on, as they are for this Debian release and processor. Debian 12's dpkg-buildflags does not know stack clash
# and control-flow protection yet (Debian 13's does), so there they are added as Debian 13 gives them, where
# the compiler takes them. The sanitizer builds and the Windows build are left as they are.
include(CheckCXXCompilerFlag)

set(hardening_default ON)
if(WIN32 OR BARVOZNAK_SANITIZE)
    set(hardening_default OFF)
endif()
option(BARVOZNAK_HARDENING "Build with Debian's hardening flags (from dpkg-buildflags)" ${hardening_default})
if(NOT BARVOZNAK_HARDENING)
    return()
endif()

find_program(BARVOZNAK_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT BARVOZNAK_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags (Debian package dpkg-dev) gives the hardening flags: install it "
        "(scripts/setup does), or configure with -DBARVOZNAK_HARDENING=OFF")
endif()

# Only the hardening: the build type chooses optimisation and debug information, and
# cmake/reproducible.cmake keeps the checkout's path out.
function(barvoznak_debian_flags variable out)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-all qa=-all"
            "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" ${BARVOZNAK_DPKG_BUILDFLAGS} --get ${variable}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()
barvoznak_debian_flags(CPPFLAGS cppflags)
barvoznak_debian_flags(CXXFLAGS cxxflags)
barvoznak_debian_flags(LDFLAGS ldflags)

execute_process(COMMAND ${BARVOZNAK_DPKG_BUILDFLAGS} --query-features hardening
    OUTPUT_VARIABLE features COMMAND_ERROR_IS_FATAL ANY)
# A feature this dpkg-buildflags does not know: its flag as Debian 13 gives it, where the compiler takes it.
macro(barvoznak_flag_dpkg_lacks feature flag)
    if(NOT features MATCHES "Feature: ${feature}\n")
        string(MAKE_C_IDENTIFIER "BARVOZNAK_CXX_TAKES${flag}" takes)
        check_cxx_compiler_flag(${flag} ${takes})
        if(${takes})
            list(APPEND cxxflags ${flag})
        endif()
    endif()
endmacro()
barvoznak_flag_dpkg_lacks(stackclash -fstack-clash-protection)
barvoznak_flag_dpkg_lacks(branch -fcf-protection)

add_compile_options(${cppflags} ${cxxflags})
add_link_options(${ldflags})
list(JOIN cxxflags " " shown)
list(JOIN ldflags " " linked)
message(STATUS "Debian's hardening: ${cppflags} ${shown} ${linked}")

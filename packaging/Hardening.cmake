# Debian's hardening flags (what `dpkg-buildflags` gives with
# hardening=+all) for the Linux build: stack protector, format checks,
# fortified libc calls, read-only relocations bound at start, and a
# position-independent executable. MinGW's linker takes no -z options and
# its fortify needs libssp, so a Windows build goes without them.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    # Fortify works only in optimised code, and the sanitizers check the
    # same calls themselves. Flags given from outside (a distribution's own
    # CPPFLAGS) take precedence.
    if(NOT QUELMAR_SANITIZE AND NOT "${CMAKE_CXX_FLAGS}" MATCHES "_FORTIFY_SOURCE")
        add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    endif()
    add_link_options(LINKER:-z,relro LINKER:-z,now)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()

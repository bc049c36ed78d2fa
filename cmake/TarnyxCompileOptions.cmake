# Options every target of the project is built with.
#
# -ffp-contract=off: each product and difference must be rounded on its own; a fused
# multiply-add would change results in the last bit.
#
# Release builds are hardened as Debian builds its packages: stack protector, fortified libc
# calls and format checks everywhere; on Linux also stack clash and control-flow protection,
# read-only relocations and immediate binding. Windows probes its stacks itself (and MinGW's
# SEH code cannot emit GCC's clash probes), and its loader takes no ELF relocation flags.
# Sanitizer and fuzz builds are not Release builds.
set(TARNYX_HARDENING_FLAGS
    -fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security)
if(NOT WIN32)
    list(APPEND TARNYX_HARDENING_FLAGS -fstack-clash-protection -fcf-protection)
endif()

function(tarnyx_compile_options target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic
        -ffp-contract=off
        $<$<BOOL:${TARNYX_WERROR}>:-Werror>
        $<$<CONFIG:Release>:${TARNYX_HARDENING_FLAGS}>)
    if(WIN32)
        # Self-contained programs: libstdc++, libgcc, winpthread and MinGW's libssp (the stack
        # protector and fortified calls) are linked in statically.
        target_link_options(${target} PRIVATE -static
            $<$<CONFIG:Release>:-fstack-protector-strong>)
    else()
        target_link_options(${target} PRIVATE $<$<CONFIG:Release>:LINKER:-z,relro,-z,now>)
    endif()
    if(TARNYX_SANITIZE)
        target_compile_options(${target} PRIVATE
            -fsanitize=address,undefined,float-divide-by-zero,float-cast-overflow
            -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

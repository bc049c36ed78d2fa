# Options every target of the project is built with.
#
# Every product and difference must be rounded to double on its own: no fused multiply-add
# (-ffp-contract=off), and no wider intermediate precision. 32-bit x86 would compute on the x87
# unit in 80 bits, so there the arithmetic is moved to SSE2 (which raises the baseline above
# Debian's i686); the engine refuses to build where doubles are still evaluated wider.
#
# Optimised builds (Release, RelWithDebInfo, MinSizeRel) are hardened as Debian builds its
# packages, each flag where the target and the compiler support it: stack protector, fortified libc calls and format checks; stack clash
# protection where the compiler accepts it (not MinGW-w64: GCC 12's SEH code generator crashes
# on it, and Windows probes stacks itself); control-flow protection on x86 and branch protection
# (BTI and PAC) on arm64; read-only relocations and immediate binding for ELF programs.
# Builds at -O0 are not (_FORTIFY_SOURCE wants optimisation), nor are sanitizer and fuzz builds,
# whose own instrumentation does that work.
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)

set(TARNYX_GNU_LIKE FALSE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(TARNYX_GNU_LIKE TRUE)
endif()

set(TARNYX_X86 FALSE)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86|x86)$")
    set(TARNYX_X86 TRUE)
endif()

# The configurations that are optimised, as a generator expression's condition.
set(TARNYX_HARDENED "$<AND:$<CONFIG:Release,RelWithDebInfo,MinSizeRel>,\
$<NOT:$<BOOL:${TARNYX_SANITIZE}>>,$<NOT:$<BOOL:${TARNYX_BUILD_FUZZERS}>>>")

set(TARNYX_ARITHMETIC_FLAGS)
set(TARNYX_HARDENING_FLAGS)
set(TARNYX_REPRODUCIBLE_FLAGS)
if(TARNYX_GNU_LIKE)
    # No checkout or build folder path in what is built, so that any folder builds the same bits.
    check_cxx_compiler_flag(-ffile-prefix-map=a=b TARNYX_HAS_FILE_PREFIX_MAP)
    if(TARNYX_HAS_FILE_PREFIX_MAP)
        list(APPEND TARNYX_REPRODUCIBLE_FLAGS -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
            -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
    endif()

    list(APPEND TARNYX_ARITHMETIC_FLAGS -ffp-contract=off)
    if(TARNYX_X86 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
        list(APPEND TARNYX_ARITHMETIC_FLAGS -msse2 -mfpmath=sse)
    endif()

    list(APPEND TARNYX_HARDENING_FLAGS -fstack-protector-strong -Wformat -Werror=format-security)
    # A distribution's flags (or the compiler itself) may set the fortify level already.
    set(CMAKE_REQUIRED_FLAGS "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_RELEASE} -O2")
    check_cxx_source_compiles("
        #ifdef _FORTIFY_SOURCE
        #error the fortify level is set already
        #endif
        int main() { return 0; }" TARNYX_FORTIFY_UNSET)
    unset(CMAKE_REQUIRED_FLAGS)
    if(TARNYX_FORTIFY_UNSET)
        list(APPEND TARNYX_HARDENING_FLAGS -D_FORTIFY_SOURCE=2)
    endif()
    if(NOT WIN32)
        check_cxx_compiler_flag(-fstack-clash-protection TARNYX_HAS_STACK_CLASH)
        if(TARNYX_HAS_STACK_CLASH)
            list(APPEND TARNYX_HARDENING_FLAGS -fstack-clash-protection)
        endif()
    endif()
    if(TARNYX_X86 AND NOT WIN32)
        check_cxx_compiler_flag(-fcf-protection TARNYX_HAS_CF_PROTECTION)
        if(TARNYX_HAS_CF_PROTECTION)
            list(APPEND TARNYX_HARDENING_FLAGS -fcf-protection)
        endif()
    endif()
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64|ARM64)$" AND NOT WIN32)
        check_cxx_compiler_flag(-mbranch-protection=standard TARNYX_HAS_BRANCH_PROTECTION)
        if(TARNYX_HAS_BRANCH_PROTECTION)
            list(APPEND TARNYX_HARDENING_FLAGS -mbranch-protection=standard)
        endif()
    endif()
endif()

function(tarnyx_compile_options target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /fp:precise
            $<$<BOOL:${TARNYX_WERROR}>:/WX>)
        return()
    endif()
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic
        ${TARNYX_ARITHMETIC_FLAGS}
        ${TARNYX_REPRODUCIBLE_FLAGS}
        $<$<BOOL:${TARNYX_WERROR}>:-Werror>
        $<${TARNYX_HARDENED}:${TARNYX_HARDENING_FLAGS}>)
    if(WIN32)
        # Self-contained programs: libstdc++, libgcc, winpthread and MinGW's libssp (the stack
        # protector and fortified calls) are linked in statically.
        target_link_options(${target} PRIVATE -static
            $<${TARNYX_HARDENED}:-fstack-protector-strong>)
    elseif(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
        target_link_options(${target} PRIVATE $<${TARNYX_HARDENED}:LINKER:-z,relro,-z,now>)
    endif()
    if(TARNYX_SANITIZE)
        target_compile_options(${target} PRIVATE
            -fsanitize=address,undefined,float-divide-by-zero,float-cast-overflow
            -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

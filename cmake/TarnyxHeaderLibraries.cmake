# Header-only libraries the number engine uses, taken from the build machine's /usr/include.
# A cross-compiler (MinGW-w64, aarch64, i686) must not search /usr/include itself, where the
# build machine's C library headers are, so each library is offered through a folder of the
# build tree that holds only a link to that library's own header folder.
#
# tarnyx_header_library(<name> <header inside the library's folder>)
#   finds <name>/<header> and makes the interface target tarnyx::<name>, included as SYSTEM
#   (their headers are not ours to keep free of warnings).
set(TARNYX_HEADER_ROOT "${PROJECT_BINARY_DIR}/header-libraries")

function(tarnyx_header_library name header)
    set(dir_var TARNYX_${name}_INCLUDE_DIR)
    find_path(${dir_var} "${name}/${header}" PATHS /usr/include /usr/local/include
        NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
    if(NOT ${dir_var})
        message(FATAL_ERROR "${name}/${header} not found: run scripts/install-deps.sh")
    endif()
    file(MAKE_DIRECTORY "${TARNYX_HEADER_ROOT}")
    file(CREATE_LINK "${${dir_var}}/${name}" "${TARNYX_HEADER_ROOT}/${name}" SYMBOLIC)
    add_library(tarnyx_${name} INTERFACE)
    add_library(tarnyx::${name} ALIAS tarnyx_${name})
    target_include_directories(tarnyx_${name} SYSTEM INTERFACE "${TARNYX_HEADER_ROOT}")
endfunction()

tarnyx_header_library(fast_float fast_float.h)

# Boost (header-only Multiprecision) for the exact arithmetic: the Boost::headers package where
# the build machine's compiler builds for itself, the folder of links for a cross-compiler.
if(NOT CMAKE_CROSSCOMPILING)
    find_package(Boost 1.74 CONFIG QUIET)
endif()
if(TARGET Boost::headers)
    add_library(tarnyx::boost ALIAS Boost::headers)
else()
    tarnyx_header_library(boost multiprecision/cpp_int.hpp)
endif()

# tarnyx_public_headers(target folder): the target offers its own headers, and no others, to the
# targets that link it. Each header below <source>/<folder> is linked, under its own name, into
# <build>/include/<target>/<folder>, and that folder is the target's public include path: so
# "platform/conversions.h" names the same file as it always did, while the rest of the source
# tree stays out of reach (a lower floor that includes a higher one does not compile).
function(tarnyx_public_headers target folder)
    set(root "${PROJECT_BINARY_DIR}/include/${target}")
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE "${PROJECT_SOURCE_DIR}/${folder}"
        "${PROJECT_SOURCE_DIR}/${folder}/*.h")
    foreach(header IN LISTS headers)
        set(link "${root}/${folder}/${header}")
        get_filename_component(directory "${link}" DIRECTORY)
        file(MAKE_DIRECTORY "${directory}")
        file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}/${header}" "${link}" SYMBOLIC)
    endforeach()
    target_include_directories(${target} PUBLIC "${root}")
endfunction()

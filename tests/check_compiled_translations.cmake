cmake_minimum_required(VERSION 3.25)
# Checks that each translations/tarnyx_<language>.qm is what lrelease makes of its .ts file, byte
# for byte: a build without Qt Linguist's tools embeds those files.
# Usage: cmake -DLRELEASE=<lrelease> -DSOURCE_DIR=<source folder> -DWORK=<scratch folder>
#              -DLANGUAGES=<de;fr;es> -P check_compiled_translations.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
foreach(language IN LISTS LANGUAGES)
    set(name tarnyx_${language})
    execute_process(COMMAND "${LRELEASE}" -silent "${SOURCE_DIR}/translations/${name}.ts"
            -qm "${WORK}/${name}.qm"
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lrelease failed on ${name}.ts:\n${output}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${name}.qm"
        "${SOURCE_DIR}/translations/${name}.qm" RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        message(FATAL_ERROR "translations/${name}.qm is not what lrelease makes of ${name}.ts: "
            "build the target update_compiled_translations")
    endif()
    message(STATUS "translations/${name}.qm: as lrelease makes it")
endforeach()

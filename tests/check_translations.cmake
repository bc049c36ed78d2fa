# Checks that every translation is complete and up to date with the sources: no unfinished entry
# in the committed file, and lupdate, run over window/ into a scratch copy, adds no text and
# leaves none stale (Qt 6.4 and 6.8 write their files differently, so the files are not compared
# byte for byte: what lupdate adds or marks says whether the sets of context, source and comment
# agree).
# Usage: cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<source folder> -DWORK=<scratch folder>
#              -DLANGUAGES=<de;fr;es> -P check_translations.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(stale "type=\"(unfinished|vanished|obsolete)\"")
foreach(language IN LISTS LANGUAGES)
    set(name tarnyx_${language}.ts)
    file(READ "${SOURCE_DIR}/translations/${name}" committed)
    if(committed MATCHES "${stale}")
        message(FATAL_ERROR "translations/${name} has an unfinished or stale entry")
    endif()
    file(COPY "${SOURCE_DIR}/translations/${name}" DESTINATION "${WORK}")
    execute_process(COMMAND "${LUPDATE}" "${SOURCE_DIR}/window" -locations none -ts "${WORK}/${name}"
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${output}")
    endif()
    file(READ "${WORK}/${name}" updated)
    if(updated MATCHES "${stale}")
        message(FATAL_ERROR "translations/${name} is not up to date with the sources: run "
            "`cmake --build <build folder> --target update_translations` and translate what "
            "it marks unfinished\n${output}")
    endif()
    message(STATUS "translations/${name}: complete and up to date")
endforeach()

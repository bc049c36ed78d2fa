cmake_minimum_required(VERSION 3.25)
# Checks that each manual page names the access keys its language's window has: the translated
# page those of its .ts captions, the English page its own and, for each other language, that
# language's.
# Usage: cmake -DSOURCE_DIR=<source folder> -DPAGES=<folder of man/<language>/tarnyx.1>
#              -DLANGUAGES=<de;fr;es> -P check_manual_keys.cmake

# The access key ("B") of a caption ("&Berechnen") as translations/tarnyx_<language>.ts gives it.
function(access_key language source out)
    file(READ "${SOURCE_DIR}/translations/tarnyx_${language}.ts" ts)
    string(REPLACE "&amp;" "&" ts "${ts}")
    string(REGEX MATCH "<source>${source}</source>[ \t\r\n]*<translation>[^<]*</translation>"
        entry "${ts}")
    string(REGEX REPLACE ".*<translation>([^<]*)</translation>" "\\1" caption "${entry}")
    string(REGEX MATCH "&(.)" key "${caption}")
    if(NOT CMAKE_MATCH_1)
        message(FATAL_ERROR "translations/tarnyx_${language}.ts gives ${source} no access key")
    endif()
    string(TOUPPER "${CMAKE_MATCH_1}" key)
    set(${out} "${key}" PARENT_SCOPE)
endfunction()

function(require page text)
    file(READ "${page}" content)
    string(FIND "${content}" "${text}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${page} does not name ${text}")
    endif()
endfunction()

set(english "${SOURCE_DIR}/docs/tarnyx.1.in")
require("${english}" "Alt+A")
require("${english}" "Alt+X")
foreach(language IN LISTS LANGUAGES)
    access_key(${language} "C&alculate" calculate)
    access_key(${language} "E&xit" exit)
    require("${PAGES}/man/${language}/tarnyx.1" "Alt+${calculate}")
    require("${PAGES}/man/${language}/tarnyx.1" "Alt+${exit}")
    require("${english}" "Alt+${calculate} and Alt+${exit}")
    message(STATUS "${language}: the manual names Alt+${calculate} and Alt+${exit}")
endforeach()

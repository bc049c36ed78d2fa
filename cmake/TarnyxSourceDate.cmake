# One time for everything a build stamps (resource file times, the Windows link time, package
# file times): SOURCE_DATE_EPOCH from the environment, or else the date of the changelog's latest
# entry, so that a clone and a release archive of the same commit build alike.
#
# tarnyx_source_date_epoch(<out-var> <changelog>)
function(tarnyx_source_date_epoch out changelog)
    # A new changelog entry configures the build again, so its date reaches the build folder.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${changelog}")
    if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
        set(${out} "$ENV{SOURCE_DATE_EPOCH}" PARENT_SCOPE)
        return()
    endif()
    # " -- Name <address>  Mon, 07 Dec 2026 12:00:00 +0000"
    file(STRINGS "${changelog}" signatures REGEX "^ -- ")
    list(GET signatures 0 newest)
    set(date_pattern ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    string(APPEND date_pattern "([0-9][0-9]):([0-9][0-9]):([0-9][0-9]) ([+-])([0-9][0-9])([0-9][0-9])$")
    if(NOT newest MATCHES "${date_pattern}")
        message(FATAL_ERROR "no date in the newest entry of ${changelog}: ${newest}")
    endif()
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months "${CMAKE_MATCH_2}" month)
    # Two-digit fields may start with 0: read them as 1xx − 100.
    math(EXPR day "1${CMAKE_MATCH_1} - 100")
    math(EXPR month "${month} + 1")
    set(year ${CMAKE_MATCH_3})
    math(EXPR seconds "(1${CMAKE_MATCH_4} - 100) * 3600 + (1${CMAKE_MATCH_5} - 100) * 60 + 1${CMAKE_MATCH_6} - 100")
    math(EXPR offset "${CMAKE_MATCH_7}((1${CMAKE_MATCH_8} - 100) * 3600 + (1${CMAKE_MATCH_9} - 100) * 60)")
    # Days since 1970-01-01 of a date in the proleptic Gregorian calendar (years from 1970 on).
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
    endif()
    math(EXPR era "${year} / 400")
    math(EXPR year_of_era "${year} - ${era} * 400")
    math(EXPR day_of_year "(153 * ((${month} + 9) % 12) + 2) / 5 + ${day} - 1")
    math(EXPR day_of_era "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
    math(EXPR epoch "${days} * 86400 + ${seconds} - (${offset})")
    set(${out} ${epoch} PARENT_SCOPE)
endfunction()

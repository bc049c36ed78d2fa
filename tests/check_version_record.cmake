# Compiles the Windows resource script with the MinGW resource compiler and checks that the
# result holds the version record and the 80 × 80 icon.
# VERSION is the project's version (major.minor.patch); the record must carry it.
# Usage: cmake -DWINDRES=... -DRC=.../tarnyx.rc -DOUT=... -DVERSION=... -P check_version_record.cmake
execute_process(
    COMMAND "${WINDRES}" --preprocessor=cpp "${RC}" -O coff -o "${OUT}"
    RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres failed: ${errors}")
endif()
file(READ "${OUT}" hex HEX)

function(utf16_hex text out)
    string(HEX "${text}" ascii)
    string(REGEX REPLACE "(..)" "\\100" wide "${ascii}")
    set(${out} "${wide}" PARENT_SCOPE)
endfunction()

function(expect label pattern)
    if(NOT hex MATCHES "${pattern}")
        message(FATAL_ERROR "the compiled resources lack ${label}")
    endif()
    message(STATUS "found ${label}")
endfunction()

string(REPLACE "." ";" parts "${VERSION}")
list(GET parts 0 major)
list(GET parts 1 minor)
list(GET parts 2 patch)
if(minor LESS 10)
    set(record "${major}.0${minor}")
else()
    set(record "${major}.${minor}")
endif()

foreach(pair "CompanyName=." "ProductName=Tarnyx" "FileVersion=${record}" "ProductVersion=${record}"
        "InternalName=Tarnyx" "OriginalFilename=Tarnyx.exe")
    string(REPLACE "=" ";" kv "${pair}")
    list(GET kv 0 key)
    list(GET kv 1 value)
    utf16_hex("${key}" k)
    utf16_hex("${value}" v)
    expect("${key} \"${value}\"" "${k}0000(0000)?${v}0000")
endforeach()
utf16_hex("040904B0" block)
expect("string block 040904B0" "${block}0000")
# VS_FIXEDFILEINFO: signature, structure version, then file and product version, each as two
# little-endian 32-bit words: major << 16 | minor, then patch << 16 | 0.
function(version_words out)
    set(words "")
    foreach(value ${minor} ${major} 0 ${patch})
        math(EXPR word "${value}" OUTPUT_FORMAT HEXADECIMAL)
        string(SUBSTRING "${word}" 2 -1 digits)
        string(LENGTH "${digits}" length)
        math(EXPR pad "4 - ${length}")
        string(REPEAT "0" ${pad} zeros)
        set(digits "${zeros}${digits}")
        string(SUBSTRING "${digits}" 2 2 low)
        string(SUBSTRING "${digits}" 0 2 high)
        string(APPEND words "${low}${high}")
    endforeach()
    set(${out} "${words}" PARENT_SCOPE)
endfunction()
version_words(fixed)
expect("fixed version ${major}.${minor}.${patch}.0" "bd04effe00000100${fixed}${fixed}")
expect("translation 0x0409 / 1200" "0904b004")
# The icon image's header: 40-byte header, 80 wide, 160 high (image and mask), 8 bits a pixel.
expect("an 80 x 80 8-bit icon" "2800000050000000a000000001000800")

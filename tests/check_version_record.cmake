# Compiles the Windows resource script with the MinGW resource compiler and checks that the
# result holds the version record and the 80 × 80 icon.
# Usage: cmake -DWINDRES=... -DRC=.../tarnyx.rc -DOUT=... -P check_version_record.cmake
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

foreach(pair "CompanyName=." "ProductName=Tarnyx" "FileVersion=1.00" "ProductVersion=1.00"
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
# VS_FIXEDFILEINFO: signature, structure version, file and product version 1.0.0.0.
expect("fixed version 1.0.0.0" "bd04effe0000010000000100000000000000010000000000")
expect("translation 0x0409 / 1200" "0904b004")
# The icon image's header: 40-byte header, 80 wide, 160 high (image and mask), 8 bits a pixel.
expect("an 80 x 80 8-bit icon" "2800000050000000a000000001000800")

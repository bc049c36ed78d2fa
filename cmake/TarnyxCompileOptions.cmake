# Options every target of the project is built with.
#
# -ffp-contract=off: each product and difference must be rounded on its own; a fused
# multiply-add would change results in the last bit.
function(tarnyx_compile_options target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic
        -ffp-contract=off
        $<$<BOOL:${TARNYX_WERROR}>:-Werror>)
    if(TARNYX_SANITIZE)
        target_compile_options(${target} PRIVATE
            -fsanitize=address,undefined,float-divide-by-zero,float-cast-overflow
            -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

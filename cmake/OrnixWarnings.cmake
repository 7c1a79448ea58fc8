# Warnings for Ornix's own targets: on, and clean.
function(ornix_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow=local -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast)
  if(ORNIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

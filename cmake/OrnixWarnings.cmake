# Warnings for Ornix's own targets: on, and clean.
function(ornix_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast
    # Values initialise their members where they are declared, so an aggregate
    # given only its leading members is whole.
    -Wno-missing-field-initializers
    # A constructor parameter named after the member it sets is fine; other shadowing is not.
    $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
    $<$<CXX_COMPILER_ID:Clang>:-Wshadow>)
  if(ORNIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

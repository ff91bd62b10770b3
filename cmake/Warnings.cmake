# Every target of the project compiles with the same strict warnings.
function(tessivar_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
endfunction()

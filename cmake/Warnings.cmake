include(${CMAKE_CURRENT_LIST_DIR}/PrecompiledHeaders.cmake)

# Every target of the project compiles with the same strict warnings, and with
# the precompiled headers of the libraries it uses.
function(tessivar_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(TESSIVAR_PRECOMPILE_HEADERS)
    # A deferred call reads its arguments when it runs: the name goes in now.
    cmake_language(EVAL CODE "cmake_language(DEFER CALL tessivar_precompile_headers [[${target}]])")
  endif()
endfunction()

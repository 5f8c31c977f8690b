# Warnings for our own targets only; third-party headers come in as system includes.
function(brisel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(BRISEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

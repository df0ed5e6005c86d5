# Warnings are errors in every build of the project's own code.
set(KOLT_WARNINGS
  -Wall -Wextra -Wpedantic -Werror
  -Wshadow -Wconversion -Wold-style-cast
  -Wnon-virtual-dtor -Woverloaded-virtual
  -Wimplicit-fallthrough -Wformat=2)

function(kolt_warnings target)
  target_compile_options(${target} PRIVATE ${KOLT_WARNINGS})
endfunction()

# Warning flags shared by every target of the project.
add_library(halvane_warnings INTERFACE)
target_compile_options(halvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wno-unused-parameter
  $<$<BOOL:${HALVANE_WERROR}>:-Werror>)

if(HALVANE_SANITIZE)
  # The sanitizers' instrumentation makes GCC report uninitialised values in
  # the standard library's own code that cannot happen.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
    -Wno-maybe-uninitialized)
  add_link_options(-fsanitize=address,undefined)
endif()

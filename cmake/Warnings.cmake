# Warning flags shared by every target of the project.
add_library(halvane_warnings INTERFACE)
target_compile_options(halvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wno-unused-parameter
  $<$<BOOL:${HALVANE_WERROR}>:-Werror>)

if(HALVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

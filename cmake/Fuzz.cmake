# Fuzzing build (tools/fuzz-repocopy): clang's libFuzzer with the address
# and undefined-behaviour sanitizers. Every library is instrumented for
# coverage; only the fuzz programs link libFuzzer's driver.
option(HALVANE_FUZZ "Build the fuzz programs (needs clang)" OFF)

if(HALVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "HALVANE_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

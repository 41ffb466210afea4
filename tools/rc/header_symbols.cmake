# Writes the C++ source of rc::HeaderDefinitions(): every object-like
# #define of the window system's headers whose value is a plain constant
# expression, so that resource scripts see the same values as the code.
#   cmake -DOUTPUT=<file.cpp> -DHEADERS=<h1;h2;...> -P header_symbols.cmake
set(body "")
foreach(header IN LISTS HEADERS)
  file(READ ${header} content)
  # One line per definition; characters CMake lists treat specially go.
  string(REGEX REPLACE "\\\\\n[ \t]*" " " content "${content}")
  string(REGEX REPLACE "[][;]" "@" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "[ \t]*//.*$" "" line "${line}")
    if(line MATCHES "^#define[ \t]+([A-Za-z_][A-Za-z0-9_]*)[ \t]+([A-Za-z0-9_ \t|()+~<>-]+|\"[^\"\\]*\")$")
      string(APPEND body "#define ${CMAKE_MATCH_1} ${CMAKE_MATCH_2}\n")
    endif()
  endforeach()
endforeach()
set(text "// Generated from the window system's and the class library's headers by header_symbols.cmake.\n")
string(APPEND text "#include \"builtin_symbols.h\"\n\nnamespace rc {\n\n")
string(APPEND text "std::string_view HeaderDefinitions() {\n  return R\"defs(\n${body})defs\";\n}\n\n}  // namespace rc\n")
file(WRITE ${OUTPUT}.tmp "${text}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)

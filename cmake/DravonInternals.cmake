# The store's own parts, which Dravon keeps to itself (hidden visibility):
# the tests that check them from inside build their own copy. The
# repository-copy reader and writer are exported and not copied.
function(dravon_store_internals out)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/dravon/src/store/*.cpp)
  list(FILTER sources EXCLUDE REGEX "RepositoryCopy(File|Lines|Read|Write)\\.cpp$")
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

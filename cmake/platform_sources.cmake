# Code that differs between systems lives in file pairs named *_posix.cpp and *_windows.cpp (and
# tests of one system's behaviour in *_posix_test.cpp or *_windows_test.cpp); a build keeps its
# own system's half of each pair. Nothing else in the tree asks which system it is built for.
function(deadhold_keep_platform_sources list_var)
  if(WIN32)
    set(other posix)
  else()
    set(other windows)
  endif()
  set(sources ${${list_var}})
  list(FILTER sources EXCLUDE REGEX "_${other}(_test)?\\.cpp$")
  set(${list_var} ${sources} PARENT_SCOPE)
endfunction()

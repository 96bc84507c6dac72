# Each operating-system concern lives in one small file per system, named
# NAME_posix.cpp or NAME_win32.cpp; a build keeps only its own system's.
function(corvane_keep_platform_sources sources_var)
  set(sources ${${sources_var}})
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  set(${sources_var} ${sources} PARENT_SCOPE)
endfunction()

# Installs the build into PREFIX and checks that every path of EXPECTED
# (relative to PREFIX) is there, that the help page in HELP_DIR has each
# picture it shows beside it, and, with DESKTOP_ENTRY, that the desktop
# entry starts the installed program by name and shows its icon.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path IN LISTS EXPECTED)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

# Every picture the page shows lies beside it, under the name it uses.
file(READ ${PREFIX}/${HELP_DIR}/corvane-help.html page)
string(REGEX MATCHALL "src=\"[^\"]+\"" pictures "${page}")
if(NOT pictures)
  message(FATAL_ERROR "the help page shows no pictures")
endif()
foreach(picture IN LISTS pictures)
  string(REGEX REPLACE "src=\"([^\"]+)\"" "\\1" name "${picture}")
  if(NOT EXISTS ${PREFIX}/${HELP_DIR}/${name})
    message(FATAL_ERROR "the help page shows ${name}, which is not installed beside it")
  endif()
endforeach()

if(DESKTOP_ENTRY)
  file(STRINGS ${PREFIX}/${DESKTOP_ENTRY} entry)
  foreach(line "Exec=corvane" "Icon=corvane" "Type=Application")
    list(FIND entry "${line}" found)
    if(found EQUAL -1)
      message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
  endforeach()
endif()
file(REMOVE_RECURSE ${PREFIX})

# Installs the build into PREFIX and checks that the program, its desktop
# entry, icons and manual land where a Linux desktop looks for them.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/corvane
  share/applications/corvane.desktop
  share/icons/hicolor/scalable/apps/corvane.svg
  share/icons/hicolor/16x16/apps/corvane.png
  share/icons/hicolor/32x32/apps/corvane.png
  share/icons/hicolor/48x48/apps/corvane.png
  share/icons/hicolor/256x256/apps/corvane.png
  share/doc/corvane/corvane-help.html
  share/doc/corvane/accuracy-z-default.png)
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

# The desktop entry starts the installed program by name and shows its icon.
file(STRINGS ${PREFIX}/share/applications/corvane.desktop entry)
foreach(line "Exec=corvane" "Icon=corvane" "Type=Application")
  list(FIND entry "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})

# The help page and the accuracy plots it shows (validation/run.sh draws
# them): the one list that every way of shipping the help uses. The Qt
# window carries them in its resources and the Linux install (and with it
# the .deb) puts them in the documentation folder; on Windows they are
# copied beside corvane.exe in the build folder and installed there, which
# is also the zip's layout. Help opens the page where it lies, and the page
# finds its plots beside it.
set(CORVANE_HELP_FILES
  ${CMAKE_SOURCE_DIR}/res/help/corvane-help.html
  ${CMAKE_SOURCE_DIR}/res/help/accuracy-z-default.png
  ${CMAKE_SOURCE_DIR}/res/help/accuracy-z-rich.png
  ${CMAKE_SOURCE_DIR}/res/help/accuracy-cp-bwrs.png)

# The Windows build (cross-built with MinGW-w64, see mingw-w64-x86_64.cmake):
# what differs from the Linux one.

# Unicode Win32 API throughout; Windows 10 is the oldest system served.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)

# The programs install side by side at the top of the package, the help
# page beside them.
set(CMAKE_INSTALL_BINDIR .)

# Tests run the programs under Wine, in a prefix of the build's own so that
# nothing outside the build tree is touched, with Wine's own log silenced.
if(CMAKE_CROSSCOMPILING AND CORVANE_WINE)
  set(CORVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CORVANE_WINEPREFIX} WINEDEBUG=-all ${CORVANE_WINE})
endif()

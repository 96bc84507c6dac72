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

# CLI11 is header-only: the Linux package's headers serve the cross-build
# too, seen through a folder of their own so that no other Linux header is
# ever in reach of the Windows compiler.
set(CORVANE_CLI11_ROOT ${CMAKE_BINARY_DIR}/cli11-include)
file(MAKE_DIRECTORY ${CORVANE_CLI11_ROOT})
file(CREATE_LINK /usr/include/CLI ${CORVANE_CLI11_ROOT}/CLI SYMBOLIC)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${CORVANE_CLI11_ROOT})

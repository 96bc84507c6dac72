# Packages: on Windows a zip of corvane.exe, corvane-cli.exe, the help page
# with its plots and the README; on Linux a .deb of both programs, the
# desktop entry, the icons and the help page with its plots. Both take the
# help files from the install rules, which take them from CORVANE_HELP_FILES
# (cmake/help_files.cmake). scripts/package.sh builds either in one command.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "Corvane developers <corvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Natural-gas property calculator (BWRS, Peng-Robinson, Redlich-Kwong-Soave)")
set(CPACK_PACKAGE_DESCRIPTION
    "Computes molar density, specific volume, compressibility, molecular weight, enthalpy, specific heat, \
the Joule-Thomson coefficient, viscosity and the polytropic exponent of natural-gas mixtures, in a window \
(corvane) and from scripts (corvane-cli).")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME corvane-${PROJECT_VERSION}-win64)
  # Everything in one folder: Help looks for its page beside corvane.exe
  # (win32/CMakeLists.txt installs the help files there).
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the Qt and C++ libraries it links, found by dpkg-shlibdeps
endif()

include(CPack)

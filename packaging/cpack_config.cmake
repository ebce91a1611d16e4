# One Debian package holding the three programs with their desktop files:
#   cmake --build build/release --target package      (or: cd build/release && cpack -G DEB)
# Its library dependencies (Qt, the C++ run time) are read from the programs by dpkg-shlibdeps;
# the fonts the windows are laid out in are named here, as nothing links against them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kurvex-lottavo-quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kurvex, Lottavo and Quorvel developers")
set(CPACK_PACKAGE_CONTACT "Kurvex, Lottavo and Quorvel developers <developers@kurvex.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "equation grapher, random integer lists and a times-table drill")
set(CPACK_PACKAGE_DESCRIPTION "Three small desktop programs for the school desk.\n\
Kurvex draws the curve of an equation in X and lists its values.\n\
Lottavo makes lists of random 32-bit integers from a seed and the clock.\n\
Quorvel is a timed multiplication drill for children.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-comic-neue, fonts-liberation2")
# Quorvel's Help starts the first desktop calculator it finds.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
    "gnome-calculator | kcalc | galculator | mate-calc | qalculate-gtk | speedcrunch | x11-apps")

include(CPack)

# A Debian package of what `cmake --install` puts in place, below /usr:
#   cpack -G DEB        (in the build folder), or: cmake --build build --target package
# gives build/q530_<version>_amd64.deb. Its Depends come from the libraries the
# two programs link (dpkg-shlibdeps) and the Qt parts loaded at run time,
# which no linker sees: the QML modules the pages import and the platform
# plugins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME q530)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The q530 developers <q530@stellarc.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the STELLARC VEYRA MOUSE Q530")
# The extended description; the summary above is its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Sets the DPI stages, polling rate, X/Y sensitivity and lighting of the
mouse, gives every button a function, records macros and builds gun
presets, keeps it all in profiles, and sets the system's pointer speed,
wheel lines and double-click time. A tray program with a window, and
q530ctl for scripts. Needs no root: a udev rule gives the user at the
seat the mouse.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://stellarc.invalid/q530")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtqml-workerscript, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_CURRENT_LIST_DIR}/deb/postinst;${CMAKE_CURRENT_LIST_DIR}/deb/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_STRIP_FILES TRUE)
# Only what the program needs: no headers or archives of the build.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/")
include(CPack)

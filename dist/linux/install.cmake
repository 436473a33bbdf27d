# What `cmake --install` puts where on Linux: the program, its shipped data
# (read-only: each user works on a copy in the per-user data folder), the
# desktop entry, icons, AppStream metadata and the udev rule that lets the
# user at the seat open the mouse without root.
include(GNUInstallDirs)

# udev reads /usr/lib/udev/rules.d and /etc/udev/rules.d, never a folder below
# /usr/local: a packager installs to /usr, a person copies the rule (README).
set(Q530_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
    "Where the udev rule is installed; a relative path is below the install prefix")

set(q530_dist "${CMAKE_CURRENT_LIST_DIR}")
set(q530_id com.stellarc.q530)

install(TARGETS q530 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The command line beside it: it finds the shipped data the same way.
install(TARGETS q530ctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${q530_dist}/q530ctl.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The program looks for it from its own folder (platform/sources.cmake).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/modules DESTINATION ${CMAKE_INSTALL_DATADIR}/q530)
install(FILES ${q530_dist}/${q530_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${q530_dist}/${q530_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${q530_dist}/icons/${size}x${size}/${q530_id}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/art/svg/trayIcon/trayIcon48.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${q530_id}.svg)
install(FILES ${q530_dist}/70-q530.rules DESTINATION ${Q530_UDEV_RULES_DIR})
